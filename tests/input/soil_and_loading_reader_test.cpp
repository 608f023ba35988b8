#include <gtest/gtest.h>

#include "reader_fixture.h"

namespace drovi {
namespace {

using testing::Contains;
using testing::Deck;
using testing::ReadDeck;

const std::string kShaft =
    "SECTIONS\n1\n1\n1\n60\n36\n4000\n0.75\nUse default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\nNo rebar\n";

TEST(SoilLayersReader, SoftClayLayer) {
    const auto r = ReadDeck(Deck("SOIL LAYERS\n1\n1 2.0 30.0\n50 400 0.02\n55 1600 0.01\n"));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& m = *r.model;
    EXPECT_EQ(m.layerCount, 1);
    EXPECT_EQ(m.profilePointCount, 2);
    EXPECT_EQ(m.strengthPointCount, 2);
    EXPECT_DOUBLE_EQ(m.groundSurfaceDepth, 2.0);
    EXPECT_DOUBLE_EQ(m.unitWeightPoints[1].profileDepth, 2.0);
    EXPECT_DOUBLE_EQ(m.strengthPoints[2].strengthDepth, 30.0);
    EXPECT_DOUBLE_EQ(m.unitWeightPoints[2].unitWeight, 55.0);
    EXPECT_DOUBLE_EQ(m.strengthPoints[2].cohesion, 1600.0);
    EXPECT_DOUBLE_EQ(m.strengthPoints[1].e50, 0.02);
}

// Each model reads its own records; the layer after it must still be read
// from the right line.
TEST(SoilLayersReader, EveryModelConsumesItsRecords) {
    const std::string layers =
        "SOIL LAYERS\n8\n"
        "5 0 10\n60 30 25\n60 32 40\n"                   // sand: gamma, phi, k
        "7 10 12\n55\n55\n"                              // liquefied sand: gamma only
        "15 12 14\n"                                     // frozen soil: nothing
        "14 14 20\n58 5\n0 0\n0.1 100\n0.2 150\n0.5 180\n1 200\n60 3\n0 0\n0.5 300\n2 400\n"  // user p-y
        "8 20 30\n140 500 20000 50 0.0005\n140 600 30000 60 0.0005\n"  // weak rock
        "10 30 35\n120 1 12 0 0 0\n120 1 15 0 0 0\n"                    // Piedmont, SPT
        "13 35 40\n60 500\n60 600\n"                                   // elastic subgrade
        "16 40 50\n";                                                  // massive rock
    const auto r = ReadDeck(Deck(layers));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& m = *r.model;
    EXPECT_EQ(m.layerCount, 8);
    EXPECT_DOUBLE_EQ(m.layers[1].kBottom, 40.0);
    EXPECT_DOUBLE_EQ(m.strengthPoints[2].frictionAngle, 32.0);
    EXPECT_DOUBLE_EQ(m.unitWeightPoints[4].unitWeight, 55.0);
    const auto& top = m.userPyCurves[7];
    const auto& bottom = m.userPyCurves[8];
    EXPECT_DOUBLE_EQ(top.depth, 14.0);
    EXPECT_EQ(top.pointCount, 5);
    EXPECT_DOUBLE_EQ(top.points[5].p, 200.0);
    EXPECT_DOUBLE_EQ(bottom.depth, 20.0);
    EXPECT_EQ(bottom.pointCount, 3);
    EXPECT_DOUBLE_EQ(m.unitWeightPoints[8].unitWeight, 60.0);
    EXPECT_DOUBLE_EQ(m.layers[5].kTop, 20000.0);
    EXPECT_DOUBLE_EQ(m.strengthPoints[10].rqd, 60.0);
    EXPECT_DOUBLE_EQ(m.strengthPoints[9].e50, 0.0005);
    EXPECT_EQ(m.strengthPoints[11].fieldTest, 1);
    EXPECT_DOUBLE_EQ(m.strengthPoints[12].blowCountN60, 15.0);
    EXPECT_DOUBLE_EQ(m.strengthPoints[14].subgradeModulus, 600.0);
    EXPECT_EQ(m.layers[8].model, 16);
    EXPECT_DOUBLE_EQ(m.strengthPoints[16].strengthDepth, 50.0);
}

TEST(SoilLayersReader, RejectsUnknownModelsAndTooManyLayers) {
    auto r = ReadDeck(Deck("SOIL LAYERS\n1\n17 0 10\n"));
    EXPECT_EQ(r.status, 135);
    EXPECT_TRUE(Contains(r.report, "Soil layer 1 on line 27 has the soil model code 17.")) << r.report;
    r = ReadDeck(Deck("SOIL LAYERS\n41\n"));
    EXPECT_EQ(r.status, 134);
    EXPECT_TRUE(Contains(r.report, "It must be between 0 and 40.")) << r.report;
    r = ReadDeck(Deck("SOIL LAYERS\n1\n14 0 10\n50 31\n"));
    EXPECT_EQ(r.status, 134);
}

TEST(LoadingReader, LoadCasesAndThrustList) {
    const auto r = ReadDeck(Deck(kShaft + "LOADING\n3\n1 1 10000 0 100000 1\n2 2 5000 0.0 50000 0\n"
                                          "3 3 1000 1e9 100000 2\n2\n1 0 10\n2 5 20\n"));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& m = *r.model;
    EXPECT_EQ(m.loadCount, 3);
    EXPECT_FALSE(m.loads[1].computeLengthVsDeflection);
    EXPECT_TRUE(m.loads[2].computeLengthVsDeflection);
    EXPECT_TRUE(m.loads[3].computeLengthVsDeflection);
    EXPECT_EQ(m.loads[3].type, 3);
    EXPECT_DOUBLE_EQ(m.loads[3].condition2, 1e9);
    EXPECT_EQ(m.distributedLoadCount, 2);
    EXPECT_DOUBLE_EQ(m.distributedLoads[2].value, 20.0);
    // Thrusts in kips, ascending, each once.
    EXPECT_EQ(m.axialThrustCount, 2);
    EXPECT_DOUBLE_EQ(m.axialThrustValues[1], 50.0);
    EXPECT_DOUBLE_EQ(m.axialThrustValues[2], 100.0);
}

TEST(LoadingReader, AxialThrustLoadsAreSorted) {
    auto r = ReadDeck(Deck(kShaft + "AXIAL THRUST LOADS\n3\n1 300\n2 100\n3 200\n", {{1, "Units SI"},
                                                                                  {11, "Tol 2.54E-7"}}));
    ASSERT_EQ(r.status, 0) << r.report;
    EXPECT_EQ(r.model->loadCount, 3);
    for (int k = 1; k <= 3; ++k) EXPECT_DOUBLE_EQ(r.model->loads[k].axialThrust, 100.0 * k);
    EXPECT_EQ(r.model->axialThrustCount, 3);
    EXPECT_DOUBLE_EQ(r.model->axialThrustValues[3], 300.0);  // SI: not scaled
    r = ReadDeck(Deck("AXIAL THRUST LOADS\n0\n"));
    ASSERT_EQ(r.status, 0) << r.report;
    EXPECT_EQ(r.model->loadCount, 1);
}

TEST(LoadingReader, ThrustListIsNotBuiltForInteractionOrLrfd) {
    const std::string loading = "LOADING\n1\n1 1 100 0 5000 1\n0\n";
    auto r = ReadDeck(Deck(kShaft + loading, {{16, "ComputeInteraction YES\nCode AASHTO"}}));
    ASSERT_EQ(r.status, 0) << r.report;
    EXPECT_EQ(r.model->axialThrustCount, 0);
    r = ReadDeck(Deck(loading));  // no sections
    EXPECT_EQ(r.model->axialThrustCount, 0);
}

TEST(LoadingReader, LrfdSections) {
    const std::string loads = "LRFD LOADS\n2\n1 1 1000 0 5000 0\n2 5 500 100 0 2\n1 0 10\n2 20 0\n";
    const std::string combos =
        "LRFD FACTORS AND CASES\n1\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength I\n";
    const auto r = ReadDeck(Deck(loads + combos, {{2, "UseLRFD YES"}}));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& m = *r.model;
    EXPECT_EQ(m.lrfdLoadCount, 2);
    EXPECT_EQ(m.lrfdLoads[2].type, 5);
    EXPECT_EQ(m.lrfdLoads[2].distributedPointCount, 2);
    EXPECT_DOUBLE_EQ(m.lrfdLoads[2].distributed[2].depth, 20.0);
    EXPECT_EQ(m.lrfdCombinationCount, 1);
    EXPECT_DOUBLE_EQ(m.lrfdCombinations[1].factor[2], 1.75);
    EXPECT_DOUBLE_EQ(m.lrfdCombinations[1].shearFactor, 0.75);
    EXPECT_EQ(m.lrfdCombinations[1].name, "Strength I");
}

TEST(LoadingReader, LrfdCountsAndOrder) {
    struct Case {
        std::string body;
        int status;
        const char* message;
    };
    std::string sixty = "LRFD LOADS\n1\n1 1 1000 0 5000 60\n";
    for (int k = 1; k <= 60; ++k) sixty += std::to_string(k) + " " + std::to_string(k) + " 1\n";
    const Case cases[] = {
        {"LRFD LOADS\n0\n", 198, "Number of LRFD loads specified is 0"},
        {"LRFD LOADS\n1\n2 1 1000 0 5000 0\n", 197, "Input load number is 2 and the expected load number is 1"},
        {"LRFD LOADS\n1\n1 1 1000 0 5000 1\n", 195,
         "Number of distributed load points for LRFD load number 1 is outside of the valid range of 0 or 2 to 100."},
        {"LRFD LOADS\n1\n1 1 1000 0 5000 101\n", 195, "The input number of distributed load points is 101"},
        {"LRFD LOADS\n1\n1 1 1000 0 5000 2\n1 0 1\n3 5 1\n", 196, " and the expected point number is 2"},
        {"LRFD LOADS\n1\n1 14 1000 0 5000 0\n", 195, "Unrecognized LRFD load type 14"},
        {"LRFD FACTORS AND CASES\n101\n", 194, "Number of LRFD load combinations input is 101"},
        {"LOADING\n1\n1 6 100 0 0 1\n0\n", 195, "Unrecognized pile-head loading type 6 for load case 1"},
        {"LOADING\n101\n", 134, "pile-head load cases"},
        {"LOADING\n1\n1 1 100 0 0 1\n51\n", 134, "distributed lateral load points"},
        {"TIP SHEAR\n51\n", 134, "tip shear points"},
        {"GROUPEFF\n81\n", 134, "p-y modifier points"},
        {sixty, 0, ""},
    };
    for (const auto& c : cases) {
        const auto r = ReadDeck(Deck(c.body));
        EXPECT_EQ(r.status, c.status) << c.body;
        EXPECT_TRUE(Contains(r.report, c.message)) << r.report;
    }
}

TEST(LoadingReader, SoilMovementCounts) {
    const std::map<int, std::string> on = {{5, "UseSoilMovement YES"}};
    for (int lines : {1, 101}) {
        const auto r = ReadDeck(Deck("SOIL MOVEMENTS\n" + std::to_string(lines) + "\n", on));
        EXPECT_EQ(r.status, 153);
        EXPECT_TRUE(Contains(r.log, "Number of lines specified for soil movement data = " + std::to_string(lines)));
    }
    const auto r = ReadDeck(Deck("SOIL MOVEMENTS\n2\n1 0 12\n2 10 0\n", on));
    ASSERT_EQ(r.status, 0);
    EXPECT_DOUBLE_EQ(r.model->soilMovements[1].value, 12.0);  // USCS: inches, kept
}

TEST(LoadingReader, OtherSections) {
    const auto r = ReadDeck(Deck("PILE BATTER AND SLOPE\n10\n5\nTIP SHEAR\n2\n1 0 0\n2 0.5 1000\n"
                                 "GROUP EFFECT FACTORS\n2\n1 0 0.8 1.0\n2 20 0.6 1.2\n"
                                 "DEPTHS OF PRINTED P-Y CURVES\n2\n1 5\n2 10\n",
                                 {{15, "PrintPYCurves YES"}}));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& m = *r.model;
    EXPECT_NEAR(m.groundSlope, 0.174533, 1e-6);
    EXPECT_NEAR(m.pileBatter, 0.087266, 1e-6);
    EXPECT_NEAR(m.slopeMinusBatter, 0.087266, 1e-6);
    EXPECT_EQ(m.tipShearPointCount, 2);
    EXPECT_DOUBLE_EQ(m.tipShearCurve[2].shear, 1000.0);
    EXPECT_EQ(m.pyModifierCount, 2);
    EXPECT_DOUBLE_EQ(m.pyModifiers[2].yMultiplier, 1.2);
    EXPECT_EQ(m.pyOutputDepthCount, 2);
    EXPECT_DOUBLE_EQ(m.pyOutputDepths[2], 10.0);
}

}  // namespace
}  // namespace drovi
