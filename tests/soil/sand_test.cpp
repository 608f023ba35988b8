// Sand criteria against values written out from the published equations
// (tests/oracles/sand_curves.py) and against their own definitions.
#include "soil/sand.h"

#include <gtest/gtest.h>

#include <cmath>

#include "soil/sand_curve.h"
#include "soil/soft_clay.h"
#include "engine/cells.h"
#include "soil/soil_coefficients.h"
#include "support/test_run.h"

namespace drovi {
namespace {

using testing::Strength;
using testing::TestRun;

constexpr double f(float v) { return static_cast<double>(v); }
constexpr double kGamma = 60.0 / 1728.0;  // 60 pcf
constexpr double kWidth = 24.0;

// A 600 in pile, 50 increments of 12 in, in one sand layer of constant
// friction angle and k; every node deflected by y.
class SandLayer {
public:
    SandLayer(SoilModel model, double phi, double k, double y, bool cyclic = false, double slopeDegrees = 0.0,
              UnitSystem units = UnitSystem::USCS)
        : t(units) {
        t.pile(600.0, kWidth);
        t.layer(model, 0.0, 700.0, Strength(0, 0, phi), Strength(0, 0, phi), kGamma, kGamma);
        t.model().layers[1].kTop = t.model().layers[1].kBottom = k;
        t.model().options.cyclic = cyclic;
        t.model().slopeMinusBatter = slopeDegrees * M_PI / 180.0;
        t.discretize(50);
        for (int i = -1; i <= t.run.nodes.count + 1; ++i) t.run.nodes.y[i] = y;
        const auto routine = model == SoilModel::Sand ? Compute_PY_Sand : Compute_PY_APISand;
        routine(t.run, PyLayerCall{1, 1, t.run.nodes.count, PyPass::Analysis});
    }
    // p at the node of depth z, from its secant modulus.
    double p(double z, double y) const { return t.run.nodes.Es[static_cast<int>(z / 12.0) + 1] * std::fabs(y); }
    TestRun t;
};

struct ReeseCase {
    const char* name;
    double k, z;
    bool cyclic;
    double slope;  // degrees
    double y;      // signed deflection
    double expectedP;
};

class ReeseCurve : public ::testing::TestWithParam<ReeseCase> {};

TEST_P(ReeseCurve, MatchesThePublishedEquations) {
    const auto& c = GetParam();
    SandLayer s(SoilModel::Sand, 35.0, c.k, c.y, c.cyclic, c.slope);
    ASSERT_FALSE(s.t.run.failed());
    EXPECT_NEAR(s.p(c.z, c.y), c.expectedP, 1e-9 * c.expectedP) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Sand, ReeseCurve,
    ::testing::Values(
        // Case 1 (yk < yM): parabola, straight line, plateau.
        ReeseCase{"case1_parabola", 100.0, 120.0, false, 0.0, 0.2, 599.3990728566648},
        ReeseCase{"case1_line", 100.0, 120.0, false, 0.0, 0.65, 1260.7279664994671},
        ReeseCase{"case1_plateau", 100.0, 120.0, false, 0.0, 1.8, 1607.8849396252292},
        // Case 2 (yM < yk < yu): the initial line meets the straight segment.
        ReeseCase{"case2_initial", 15.0, 60.0, false, 0.0, 0.3, 270.0},
        ReeseCase{"case2_segment", 15.0, 60.0, false, 0.0, 0.7, 586.7307973442802},
        // Case 3 (yk > yu): the initial line up to pu.
        ReeseCase{"case3_initial", 2.0, 60.0, false, 0.0, 5.0, 600.0},
        ReeseCase{"case3_plateau", 2.0, 60.0, false, 0.0, 20.0, 666.9860263169062},
        ReeseCase{"cyclic", 100.0, 120.0, true, 0.0, 0.2, 720.51098914687},
        // Sloping ground: moving up the slope reduces, down the slope raises.
        ReeseCase{"slope_same_sign", 100.0, 120.0, false, 10.0, 0.4, 595.9661867317841},
        ReeseCase{"slope_opposite_sign", 100.0, 120.0, false, 10.0, -0.4, 1680.6958809300565}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReeseCurve, CasesAndInvariants) {
    const SandAngles a = MakeSandAngles(35.0 * M_PI / 180.0, 0.4);
    const double ps = std::min(SandWedgeResistance(a, kGamma, 120.0, kWidth), SandFlowResistance(a, kGamma, 120.0, kWidth));
    EXPECT_NEAR(SandWedgeResistance(a, kGamma, 120.0, kWidth), 1827.1419867474103, 1e-9);
    EXPECT_NEAR(SandFlowResistance(a, kGamma, 120.0, kWidth), 5379.345331515344, 1e-9);
    const ReeseSandCurve c = MakeReeseSandCurve(ps, sandCoefficientAt(120, kWidth, SandTable::StaticA),
                                                sandCoefficientAt(120, kWidth, SandTable::StaticB), kWidth, 100.0, 120.0);
    EXPECT_EQ(c.curveCase, 1);
    EXPECT_NEAR(c.yk, 0.005808346796228569, 1e-12);
    double last = 0.0;
    for (int i = 0; i <= 400; ++i) {  // rises monotonically, never above kx y
        const double y = i * 0.005;
        EXPECT_GE(c.p(y), last - 1e-9);
        EXPECT_LE(c.p(y), c.kx * y + 1e-9);
        last = c.p(y);
    }
    EXPECT_EQ(MakeReeseSandCurve(ps, 1, 1, kWidth, 100.0, 0.0).p(0.5), 0.0);  // at the ground surface
}

struct ApiCase {
    double z;
    bool cyclic;
    double y, expectedP;
};

TEST(ApiSandCurve, MatchesThePublishedEquations) {
    const ApiCase cases[] = {
        {36.0, false, 0.1, 160.9874278551708},  {36.0, false, 0.5, 297.4038946157393},
        {240.0, false, 0.1, 1163.888322856434}, {240.0, false, 2.0, 3921.030256266053},
        {36.0, true, 0.5, 149.4222774425614},
    };
    for (const auto& c : cases) {
        SandLayer s(SoilModel::ApiSand, 30.0, 50.0, c.y, c.cyclic);
        ASSERT_FALSE(s.t.run.failed());
        EXPECT_NEAR(s.p(c.z, c.y), c.expectedP, 1e-9 * c.expectedP) << c.z << " " << c.y;
    }
    EXPECT_NEAR(ApiSandFactorA(false, 0.0, 24.0), 3.0, 1e-15);
    EXPECT_EQ(ApiSandFactorA(false, 2.625 * 24.0, 24.0), f(0.9f));  // the floor is reached at z/b = 2.625
    EXPECT_EQ(ApiSandFactorA(true, 0.0, 24.0), f(0.9f));
}

TEST(SandCurves, ZeroDeflectionAndGroundSurface) {
    SandLayer reese(SoilModel::Sand, 35.0, 100.0, 0.0);
    EXPECT_DOUBLE_EQ(reese.t.run.nodes.Es[11], 100.0 * 120.0);  // kx
    EXPECT_EQ(reese.t.run.nodes.Es[1], 0.0);                    // z = 0
    SandLayer api(SoilModel::ApiSand, 35.0, 100.0, 0.0);
    EXPECT_DOUBLE_EQ(api.t.run.nodes.Es[11], 100.0 * 120.0);
    EXPECT_EQ(api.t.run.nodes.Es[1], 0.0);
}

TEST(DefaultSandK, ByUnitSystem) {
    double k = 0.0;
    ASSERT_TRUE(defaultSandK(40.0, 0.03, UnitSystem::USCS, k));
    EXPECT_NEAR(k, 160.55, 0.01);
    EXPECT_NEAR(f(1.2098290e-7f) * std::pow(40.0, f(5.694468f)), 160.55, 0.01);  // both branches meet at 40
    ASSERT_TRUE(defaultSandK(35.0, 0.03, UnitSystem::USCS, k));
    EXPECT_DOUBLE_EQ(k, f(1.2098290e-7f) * std::pow(35.0, f(5.694468f)));
    ASSERT_TRUE(defaultSandK(45.0, 12.3, UnitSystem::SI, k));
    EXPECT_DOUBLE_EQ(k, f(78739.008f));
    ASSERT_TRUE(defaultSandK(45.0, 10.0, UnitSystem::SI, k));
    EXPECT_DOUBLE_EQ(k, f(43580.148f));
    EXPECT_FALSE(defaultSandK(35.0, 10.0, UnitSystem::GENERAL, k));
}

TEST(SandErrors, MessagesAndCodes) {
    {
        SandLayer s(SoilModel::Sand, 0.0, 100.0, 0.1);
        EXPECT_EQ(s.t.run.status.value(), 108);
        EXPECT_NE(s.t.log().find("Problem:  Zero was input for the friction angle for a sand when computing "),
                  std::string::npos);
        EXPECT_EQ(s.t.report().find("Input Data Error No. 8"), std::string::npos);  // run-message file only
    }
    {
        SandLayer s(SoilModel::Sand, 35.0, 100.0, 0.1, false, 40.0);
        EXPECT_EQ(s.t.run.status.value(), 109);
        EXPECT_NE(s.t.report().find("the Reese sand criteria for layer 1."), std::string::npos);
    }
    {
        SandLayer s(SoilModel::ApiSand, 35.0, 100.0, 0.1, false, 40.0);
        EXPECT_EQ(s.t.run.status.value(), 102);
        EXPECT_NE(s.t.log().find("curve using the API criteria for sand for layer 1."), std::string::npos);
    }
    {
        SandLayer s(SoilModel::ApiSand, 0.0, 100.0, 0.1);
        EXPECT_EQ(s.t.run.status.value(), 101);
    }
    {
        SandLayer s(SoilModel::ApiSand, 35.0, 0.0, 0.1, false, 0.0, UnitSystem::GENERAL);
        EXPECT_EQ(s.t.run.status.value(), 213);
        EXPECT_NE(s.t.report().find("**** Runtime Error No. 13 ****"), std::string::npos);
    }
}

TEST(SandWarnings, UnusualFrictionAngles) {
    SandLayer reese(SoilModel::Sand, 50.0, 100.0, 0.1);
    EXPECT_GT(reese.t.run.warnings.count[302], 0);
    EXPECT_NE(reese.t.log().find("An unreasonable value for friction angle was input for a Reese sand layer. "),
              std::string::npos);
    SandLayer api(SoilModel::ApiSand, 18.0, 100.0, 0.1);
    EXPECT_GT(api.t.run.warnings.count[303], 0);
    EXPECT_EQ(api.t.log(), "");  // recorded only
}

// The equivalent depth of a sand below a clay: the sand's own resistance,
// A (C1 z + C2 b) z gamma' integrated from 0 to zeq0, equals what the clay
// above carries.
TEST(SandBelowClay, EquivalentDepthCarriesTheClaysResistance) {
    TestRun t;
    t.pile(600.0, kWidth);
    const double c = 600.0 / 144.0;
    t.layer(SoilModel::SoftClay, 0.0, 120.0, Strength(c, 0.01), Strength(c, 0.01), kGamma, kGamma);
    t.layer(SoilModel::Sand, 120.0, 700.0, Strength(0, 0, 32), Strength(0, 0, 32), kGamma, kGamma);
    t.model().layers[2].kTop = t.model().layers[2].kBottom = 60.0;
    t.discretize(50);
    for (int i = -1; i <= t.run.nodes.count + 1; ++i) t.run.nodes.y[i] = 0.1;
    Compute_PY_SoftClay(t.run, PyLayerCall{1, 1, 10, PyPass::Analysis});
    Compute_PY_Sand(t.run, PyLayerCall{2, 11, 51, PyPass::Analysis});
    ASSERT_FALSE(t.run.failed());
    const double F = t.run.soil.layerResistance[1];
    const double zeq0 = t.run.soil.equivalentTopDepth[2];
    ASSERT_GT(zeq0, 0.0);
    const SandAngles a = MakeSandAngles(32.0 * M_PI / 180.0, 0.4);
    const double tb = std::tan(a.beta), ta = std::tan(a.alpha);
    const double C1 = tb * (ta * a.Kp + (std::sin(a.beta) * (1 / std::cos(a.alpha) + 1) * std::tan(a.phi) - ta) * a.K0);
    const double C2 = a.Kp - a.Ka;
    // Simpson's rule over 20000 intervals.
    const int n = 20000;
    double sum = 0.0;
    for (int i = 0; i <= n; ++i) {
        const double z = zeq0 * i / n;
        const double w = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
        sum += w * sandCoefficientAt(z, kWidth, SandTable::StaticA) * (C1 * z + C2 * kWidth) * z * kGamma;
    }
    EXPECT_NEAR(sum * zeq0 / n / 3.0, F, 1e-4 * F);
}

}  // namespace
}  // namespace drovi

namespace drovi {
namespace {

std::string printedReese(double k, double depth) {
    testing::TestRun t;
    t.pile(600.0, kWidth);
    t.layer(SoilModel::Sand, 0.0, 700.0, testing::Strength(0, 0, 35), testing::Strength(0, 0, 35), kGamma, kGamma);
    t.model().layers[1].kTop = t.model().layers[1].kBottom = k;
    t.discretize(50);
    t.model().pyOutputDepthCount = 1;
    t.model().pyOutputDepths[1] = depth;
    Compute_PY_Sand(t.run, PyLayerCall{1, 1, 1, PyPass::CurveReport});
    return t.report() + "\n====\n" + t.plot();
}

TEST(ReesePrintedCurve, CaseOnePointsAndDefaultK) {
    const std::string out = printedReese(0.0, 120.0);
    // 13 b / 480 = 0.65 in lies on the straight segment: 1260.72797 (see the published values above).
    EXPECT_NE(out.find("        0.65000       1260.72797\n"), std::string::npos) << out;
    EXPECT_NE(out.find("kpy                                                    =       75.053 lbs/in**3\n"),
              std::string::npos);
    EXPECT_NE(out.find("\nThe above p-y curve was computed using internal default values of k.\n\n"),
              std::string::npos);
    EXPECT_EQ(out.find("   *"), std::string::npos);
    EXPECT_NE(out.find("Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1\n"), std::string::npos);
    EXPECT_NE(out.find("): y, p, for sand\n"), std::string::npos);
}

TEST(ReesePrintedCurve, CaseThreeFollowsTheInitialLine) {
    const std::string out = printedReese(2.0, 60.0);  // yk > yu: p = kx y up to pu
    // Point 15 is pu/kx + b/2, point 16 pu/kx + b; point 2 is (pu/kx)/14.
    const double kx = 2.0 * 60.0, pu = 666.9860263169062;
    EXPECT_NE(out.find(RealCell(pu / kx / 14, 12) + "     " + RealCell(pu / 14, 12) + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find(RealCell(pu / kx + 12.0, 12) + "     " + RealCell(pu, 12) + "\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace drovi
