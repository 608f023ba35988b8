// The document structure and the OPTIONS section of the current format.
#include <gtest/gtest.h>

#include "reader_fixture.h"

namespace drovi {
namespace {

using testing::Contains;
using testing::Deck;
using testing::ReadDeck;

TEST(DocumentReader, ReadsTitleAndOptions) {
    const auto r = ReadDeck(Deck("", {{1, "Units SI   "},
                                      {2, "UseLRFD YES"},
                                      {6, "UsePYModifiers YES"},
                                      {7, "ComputeEIOnly YES"},
                                      {8, "Loading CYCLIC   100"},
                                      {9, "MaxIterations, 1000"},
                                      {11, "Tolerance 2.54E-7"},
                                      {12, "Increments 500"},
                                      {14, "PrintIncrement 5"},
                                      {16, "ComputeInteraction YES\nCode ACI318"}}));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& m = *r.model;
    const auto& o = m.options;
    EXPECT_EQ(m.title[1], "A test pile");
    EXPECT_EQ(o.unitSystem, UnitSystem::SI);
    EXPECT_TRUE(o.useLRFD);
    EXPECT_TRUE(o.usePYModifiers);
    EXPECT_EQ(m.pyModifierCount, 1);
    EXPECT_EQ(o.analysisType, 2);
    EXPECT_TRUE(o.cyclic);
    EXPECT_DOUBLE_EQ(o.numberOfCycles, 100.0);
    EXPECT_EQ(o.maxIterations, 1000);
    EXPECT_DOUBLE_EQ(o.maxDeflection, 10.0);
    EXPECT_DOUBLE_EQ(o.convergenceTolerance, 2.54E-7);
    EXPECT_EQ(o.pileIncrements, 500);
    EXPECT_EQ(o.printIncrement, 5);
    EXPECT_TRUE(o.computeInteraction);
    EXPECT_EQ(o.interactionCode, 2);
}

TEST(DocumentReader, CyclesFieldIsFixedColumns) {
    struct Case {
        const char* line;
        double cycles;
    };
    const Case cases[] = {{"Loading CYCLIC   100", 100.0}, {"Loading CYCLIC", 0.0}, {"xxxxxxxxSTATIC 2.5", 2.5},
                          {"Loading CYCLIC 1 0 ", 10.0}};
    for (const auto& c : cases) {
        const auto r = ReadDeck(Deck("", {{8, c.line}}));
        ASSERT_EQ(r.status, 0) << c.line << r.report;
        EXPECT_DOUBLE_EQ(r.model->options.numberOfCycles, c.cycles) << c.line;
    }
}

struct OptionError {
    int record;
    const char* line;
    int status;
    const char* message;  // in the report
};

class OptionErrors : public ::testing::TestWithParam<OptionError> {};

TEST_P(OptionErrors, EndTheRunWithTheirCode) {
    const auto& c = GetParam();
    const auto r = ReadDeck(Deck("", {{c.record, c.line}}));
    EXPECT_EQ(r.status, c.status) << c.line;
    EXPECT_TRUE(Contains(r.report, c.message)) << r.report;
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionErrors,
    ::testing::Values(
        OptionError{1, "units SI", 199, "The following line is unrecognized or is out-of-order"},
        OptionError{1, " Units SI", 199, " Units SI"},
        OptionError{2, "UseLRFD MAYBE", 195, "INPUT ERROR - Unrecognized command for LRFD analysis option"},
        OptionError{3, "ComputeKmatrix", 195, "pile-head stiffness matrix option"},
        OptionError{4, "UseTipShear yes", 195, "Unrecognized command for tip shear option"},
        OptionError{5, "UseSoilMovement", 195, "Unrecognized command for soil movement option"},
        OptionError{6, "UsePYModifiers", 195, "Unrecognized command for use of p-y modifiers option"},
        OptionError{7, "ComputeEIOnly", 195, "Unrecognized command for compute nonlinear EI only option"},
        OptionError{8, "Loading DYNAMC", 195, "Unrecognized command for loading type option"},
        OptionError{8, "Loading CYCLICabcdef", 132, "number of cycles in columns 15 to 20"},
        OptionError{9, "MaxIterations 29", 195,
                    "Problem: Input value for iterations limit = 29 and is less than 30 iteractions"},
        OptionError{9, "MaxIterations 1001", 195, "and is more than 1,000 iteractions"},
        OptionError{9, "MaxIterations 40.5", 132, "maximum number of iterations (a whole number)"},
        OptionError{10, "MaxDeflection ten", 132, "but \"ten\" was found"},
        OptionError{11, "Tolerance 0.2", 166, "too large (more than 0.1 inches). "},
        OptionError{11, "Tolerance 1E-11", 165, "too small (less than 1E-10 inches)."},
        OptionError{12, "Increments 39", 155, "Problem:  The number of pile increments is less than 40."},
        OptionError{12, "Increments 501", 156, "Problem:  The number of pile increments is more than 500."},
        OptionError{13, "PrintSummaryOnly", 195, "print summary only option"},
        OptionError{15, "PrintPYCurves", 195, "p-y curve output depths option"},
        OptionError{16, "ComputeInteraction", 195, "Unrecognized command for compute interaction option"},
        OptionError{16, "ComputeInteraction YES\nCode ACI", 195, "Unrecognized command for interaction code option"}));

TEST(DocumentReader, LimitsThatPass) {
    for (const auto& [record, line] : std::vector<std::pair<int, std::string>>{{9, "MaxIterations 30"},
                                                                                {9, "MaxIterations 1000"},
                                                                                {12, "Increments 40"},
                                                                                {12, "Increments 500"},
                                                                                {11, "Tolerance 0.1"}}) {
        EXPECT_EQ(ReadDeck(Deck("", {{record, line}})).status, 0) << line;
    }
}

TEST(DocumentReader, ToleranceBoundsFollowTheUnitSystem) {
    EXPECT_EQ(ReadDeck(Deck("", {{1, "Units SI"}, {11, "Tolerance 0.003"}})).status, 168);
    EXPECT_EQ(ReadDeck(Deck("", {{1, "Units SI"}, {11, "Tolerance 1E-13"}})).status, 167);
    EXPECT_EQ(ReadDeck(Deck("", {{1, "Units SI"}, {11, "Tolerance 0.00254"}})).status, 0);
    EXPECT_EQ(ReadDeck(Deck("", {{1, "Units GENERAL"}, {11, "Tolerance 5.0"}})).status, 0);
    const auto log = ReadDeck(Deck("", {{11, "Tolerance 0.2"}})).log;
    EXPECT_TRUE(Contains(log, "**** Input Data Error No. 66 ****")) << log;
}

TEST(DocumentReader, StructureErrors) {
    struct Case {
        std::string deck;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {Deck("\n"), 199, "The following line is unrecognized or is out-of-order\n\n" + std::string(256, ' ')},
        {Deck("SOIL LAYER\n"), 199, "SOIL LAYER"},
        {Deck("DEPTHS OF PRINTED P-Y CURVES\n1\n1 5.0\n"), 199, "\n1" + std::string(255, ' ')},
        {"DROVIP6\nTITLE\nx\n\n\n\n\n" + testing::OptionsBlock(), 133, "where a section heading or END was expected"},
        {"DROVIP6\nTITLE\nonly two\nlines\n", 133, "where a line of the title was expected"},
    };
    for (const auto& c : cases) {
        const auto r = ReadDeck(c.deck);
        EXPECT_EQ(r.status, c.status) << c.deck;
        EXPECT_TRUE(Contains(r.report, c.message)) << r.report;
    }
}

TEST(DocumentReader, NothingAfterEndIsRead) {
    const auto r = ReadDeck(Deck("") + "garbage that would fail\nSECTIONS\nx\n");
    EXPECT_EQ(r.status, 0) << r.report;
}

TEST(DocumentReader, SoilMovementsNeedTheirOption) {
    const std::string movements = "SOIL MOVEMENTS\n2\n1 0.0 25\n2 10.0 0\n";
    EXPECT_EQ(ReadDeck(Deck(movements)).status, 199);
    const auto r = ReadDeck(Deck(movements, {{1, "Units SI"}, {5, "UseSoilMovement YES"}}));
    ASSERT_EQ(r.status, 0) << r.report;
    EXPECT_EQ(r.model->soilMovementCount, 2);
    EXPECT_DOUBLE_EQ(r.model->soilMovements[1].value, 0.025);
}

}  // namespace
}  // namespace drovi
