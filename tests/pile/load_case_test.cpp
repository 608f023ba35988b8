// The iteration's stopping rules and failures, each with its exact text.
#include "pile/load_case.h"
#include "pile/solver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "section/section_driver.h"
#include "support/test_run.h"

namespace drovi {
namespace {

using testing::Strength;
using testing::TestRun;

// A 60 ft elastic pipe pile in soft clay, 100 increments.
class PileInClay : public ::testing::Test {
protected:
    TestRun t;
    void SetUp() override {
        auto& m = t.model();
        t.pile(720.0, 24.0, 29e6 * 2549.35);
        m.sections[1].sectionType = static_cast<int>(SectionType::Elastic);
        m.sections[1].elastic = {2, 29e6, 24, 24, 0, 0, 0, 0, 36.9, 36.9, 2549.35, 2549.35, 0, 0};
        const double c = 800.0 / 144.0;
        t.layer(SoilModel::SoftClay, 0.0, 800.0, Strength(c, 0.01), Strength(c, 0.01), 0.03, 0.03);
        auto& o = m.options;
        o.analysisType = 3;
        o.maxIterations = 100;
        o.convergenceTolerance = 1e-5;
        o.maxDeflection = 50.0;
        m.axialThrustCount = 1;
        m.loadCount = 1;
        m.loads[1] = {1, 20000.0, 0.0, 0.0, false};
        t.discretize(100);
    }
    int run() {
        Analyze_Pile_Section(t.run, 1);
        RunLoadCase(t.run, 1);
        return t.run.status.value();
    }
};

TEST_F(PileInClay, ConvergesAfterAtLeastSixSolutions) {
    ASSERT_EQ(run(), 0);
    EXPECT_GE(t.run.loadCase.iteration, kMinSolutions);
    const std::string log = t.log();
    EXPECT_NE(log.find("Computing lateral response of pile for load number 1\n"
                       "Analysis Case 1,   Iteration 1,    Y(top) = "),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Convergence Criteria Met\n"), std::string::npos);
}

TEST(StoppingRules, MinimumSolutionsAndExcessDeflection) {
    EXPECT_FALSE(Converged(0.0, 1e-5, 5));
    EXPECT_TRUE(Converged(1e-5, 1e-5, 6));
    EXPECT_FALSE(ExcessDeflection(1.0, 1e-5, 10, 99.0, 1.0));
    EXPECT_TRUE(ExcessDeflection(1.0, 1e-5, 11, -1.0, 1.0));
    EXPECT_FALSE(ExcessDeflection(1e-6, 1e-5, 20, 99.0, 1.0));  // converged first
}

TEST_F(PileInClay, NoConvergenceIsRuntimeError10) {
    t.model().options.maxIterations = 30;
    t.model().options.convergenceTolerance = 1e-30;
    ASSERT_EQ(run(), 210);
    const std::string report = t.report();
    // The last five iteration lines, then the message.
    EXPECT_EQ(report.find("Iteration 25,"), std::string::npos);
    const auto first = report.find("Iteration 26,   Y(top) = ");
    ASSERT_NE(first, std::string::npos) << report;
    EXPECT_NE(report.find("Iteration 30,   Y(top) = "), std::string::npos);
    const std::string text =
        "\n\n**** Runtime Error No. 10 ****\n\n"
        "The analysis failed to converge within the limit of 30 iterations.\n\n"
        "Maximum change in deflection    = ";
    EXPECT_NE(report.find(text), std::string::npos) << report;
    EXPECT_NE(report.find(" in \n\nSpecified convergence tolerance =  1.000E-30 in \n\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Drovi ended prematurely due to runtime error number RUN00010"), std::string::npos);
}

TEST_F(PileInClay, ExcessDeflectionIsRuntimeError9) {
    t.model().options.maxDeflection = 0.01;
    t.model().options.convergenceTolerance = 1e-30;
    ASSERT_EQ(run(), 209);
    EXPECT_EQ(t.run.loadCase.iteration, kFirstExcessDeflectionTest);
    const std::string report = t.report();
    EXPECT_NE(report.find("\n\n**** Runtime Error No. 9 ****\n\nAn error in the analysis was detected by the "
                          "program.  \n\nProblem:  The computed deflection is larger than the specified excess "
                          "deflection limit.\n\nThe computed deflection of the pile head is "),
              std::string::npos)
        << report;
    EXPECT_NE(report.find(" in \n\nThe specified excess deflection limit is      1.0000E-02 in \n\nThis error may be "
                          "due to overloading the pile or bad input data.\n\n\nSolution:\n\nPlease check input "
                          "values for pile loading and soil properties for accuracy and/or \nincrease the size of "
                          "the pile if necessary.\n"),
              std::string::npos)
        << report;
    const std::string log = t.log();
    EXPECT_NE(log.find(" in \nThe specified excess deflection limit is      1.0000E-02 in \n\nThis error may be due "
                       "to overloading the pile or bad input data.\n\nSolution:\nPlease check"),
              std::string::npos)
        << log;
}

TEST_F(PileInClay, LayerWithoutANodeIsRuntimeError29) {
    auto& m = t.model();
    const double c = 800.0 / 144.0;
    m.layerCount = 0;
    t.layer(SoilModel::SoftClay, 0.0, 101.0, Strength(c, 0.01), Strength(c, 0.01), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 101.0, 104.0, Strength(c, 0.01), Strength(c, 0.01), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 104.0, 800.0, Strength(c, 0.01), Strength(c, 0.01), 0.03, 0.03);
    t.discretize(100);  // nodes every 7.2 in (100.8, 108): none between 101 and 104
    ASSERT_EQ(run(), 229);
    const std::string text =
        "\n\n**** Runtime Error No. 29 ****\n\n"
        "PROBLEM:  The thickness of layer 2 was too thin to contain a nodal point.\n"
        "          This layer lacks a nodal point and this prevents the correct computation of the layer's p-y "
        "curves. \n"
        "          The thickness of layer 2 is     3.000 in and the pile increment length is     7.200 in\n"
        "          The current number of pile increments is 100.\n"
        "          The estimated minimum number of increments needed to get at least one nodal point in the layer "
        "is 240.\n\n"
        "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed in Drovi.\n";
    EXPECT_NE(t.report().find(text), std::string::npos) << t.report();
    EXPECT_NE(t.log().find(text), std::string::npos);
}

TEST_F(PileInClay, NotANumberIsComputationError28) {
    auto& m = t.model();
    m.sections[1].elastic.elasticModulus = 0.0;
    m.dimensionProfile[1].modulus = m.dimensionProfile[2].modulus = 0.0;
    for (int p = 1; p <= 2; ++p) m.strengthPoints[p].cohesion = 0.0;
    m.loads[1] = {1, 0.0, 0.0, 0.0, false};
    m.groundSurfaceDepth = 1000.0;  // no soil springs: every pivot vanishes
    ASSERT_EQ(run(), 228);
    EXPECT_NE(t.report().find("**** COMPUTATION ERROR 28 ****\n"
                              "Either top deflection or DYMAX is not a number after iteration 1\n"),
              std::string::npos)
        << t.report();
}

TEST_F(PileInClay, CurvesAtUserDepths) {
    auto& m = t.model();
    ASSERT_EQ(run(), 0);
    m.pyOutputDepthCount = 2;
    m.pyOutputDepths[1] = 60.0;
    m.pyOutputDepths[2] = 240.0;
    OutputPyCurvesAtDepths(t.run);
    ASSERT_EQ(t.run.status.value(), 0);
    const std::string plot = t.plot();
    EXPECT_NE(plot.find("no. p-y points on curve no. 1\n"), std::string::npos);
    EXPECT_NE(plot.find("no. p-y points on curve no. 2\n"), std::string::npos);
    EXPECT_DOUBLE_EQ(t.run.nodes.X[2], 7.2);  // the node geometry is back
}

TEST_F(PileInClay, UserDepthAboveTheGroundIsNonFatal) {
    auto& m = t.model();
    m.groundSurfaceDepth = 24.0;
    m.layers[1].topDepth = 24.0;
    m.strengthPoints[1].strengthDepth = m.unitWeightPoints[1].profileDepth = 24.0;
    t.discretize(100);
    ASSERT_EQ(run(), 0);
    m.pyOutputDepthCount = 2;
    m.pyOutputDepths[1] = 60.0;
    m.pyOutputDepths[2] = 12.0;
    OutputPyCurvesAtDepths(t.run);
    EXPECT_EQ(t.run.status.value(), 0);
    const std::string text =
        "**** Input Data Error No. 23 (NON-FATAL) ****\n\n"
        "p-y curves cannot be generated at depth number 2\n"
        "This location is    12.000 in  below the pile head and \n"
        "is above the ground surface for this problem.\n\n"
        "The ground surface is    24.000 in  below the top of the pile.\n\n";
    EXPECT_NE(t.report().find(text), std::string::npos) << t.report();
    EXPECT_NE(t.log().find(text), std::string::npos);
    EXPECT_NE(t.plot().find("  1.2000000E+01    0" + std::string(60, ' ') + "Line 7:  p-y curve depth, no. p-y points\n"),
              std::string::npos);
    EXPECT_EQ(t.plot().find("Line 8"), std::string::npos);  // no curves at all
}

}  // namespace
}  // namespace drovi

namespace drovi {
namespace {

// Against an independent solution of the same difference equations (the
// whole system assembled densely and solved by elimination, soft clay curves
// from Matlock's equations): tests/oracles/pile_in_soft_clay.py. The engine
// stops at its tolerance of 1e-5 in; the secant iteration can circle within
// about 1e-6 in around the fixed point (the soft clay curve's straight start
// has a steeper slope than the power law's secant), so 1e-4 relative.
TEST_F(PileInClay, MatchesAnIndependentSolution) {
    struct Case {
        double V, M, P;
        double y1, maxMoment;
    };
    const Case cases[] = {
        {20000.0, 0.0, 0.0, 0.2776317452119707, 1133398.267204802},
        {20000.0, 1.0e6, 50000.0, 0.48763169989243166, 1974042.5360980062},
    };
    for (const auto& c : cases) {
        t.model().options.convergenceTolerance = 1e-5;
        t.model().options.maxIterations = 1000;
        t.model().loads[1] = {1, c.V, c.M, c.P, false};
        ASSERT_EQ(run(), 0) << t.log().substr(t.log().size() > 600 ? t.log().size() - 600 : 0);
        for (int k = 1; k <= t.run.nodes.count; ++k) NodeResponse(t.run, k);
        EXPECT_NEAR(t.run.nodes.y[1], c.y1, 1e-4 * c.y1) << c.V << " " << c.M;
        EXPECT_NEAR(t.run.loadCase.maxima.moment, c.maxMoment, 1e-4 * c.maxMoment) << c.V << " " << c.M;
    }
}

}  // namespace
}  // namespace drovi
