#include "soil/soft_clay.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/cells.h"
#include "engine/edit_format.h"
#include "soil/soft_clay_curve.h"
#include "support/test_run.h"

namespace drovi {
namespace {

using testing::Strength;
using testing::TestRun;

constexpr double f(float v) { return static_cast<double>(v); }

// c = 1000 psf, gamma' = 50 pcf, eps50 = 0.01, b = 24 in, z = 120 in:
// Np = 3 + 0.5 + 2.5 = 6, pu = 1000 lb/in, y50 = 0.6 in, Xr = 240 in.
const double kC = 1000.0 / 144.0;
const double kGamma = 50.0 / 1728.0;
const SoftClayInput kAt120{kC, 24.0, kGamma, 0.01, 120.0, 120.0, 1.0, false};

// Matlock's curve written out from the paper, for comparison.
double matlock(double y, double pu, double y50) { return 0.5 * pu * std::cbrt(y / y50); }
// The same with the exponent the engine uses, 1/3 in single precision, for
// comparisons to the last printed digit.
double matlockPrinted(double y, double pu, double y50) { return 0.5 * pu * std::pow(y / y50, f(1.0f / 3.0f)); }

TEST(SoftClayCurve, StaticMatchesMatlock) {
    const SoftClayCurve k = MakeSoftClayCurve(kAt120);
    EXPECT_NEAR(k.pu, 1000.0, 1e-9);
    EXPECT_NEAR(k.y50, 0.6, 1e-15);
    EXPECT_NEAR(k.Xr, 240.0, 1e-9);
    // The law's exponent is the single-precision 1/3: agreement to 1e-7 relative.
    for (double y : {0.01, 0.3, 0.6, 1.0, 1.8, 3.0, 4.7})
        EXPECT_NEAR(k.p(y), matlock(y, k.pu, k.y50), 1e-7 * k.p(y)) << y;
    EXPECT_NEAR(k.p(0.6), 500.0, 1e-4);
    EXPECT_EQ(k.p(8 * k.y50), k.pu);
    EXPECT_EQ(k.p(20.0), k.pu);
    EXPECT_EQ(k.p(0.0), 0.0);
    // Below 1e-5 y50 a straight line with the power law's tangent slope there,
    // d/dy [0.5 pu (y/y50)^(1/3)] = p / (3 y).
    const double yl = f(0.00001f) * k.y50;
    EXPECT_NEAR(k.Eslim(), matlock(yl, k.pu, k.y50) / (3 * yl), 1e-6 * k.Eslim());
    EXPECT_DOUBLE_EQ(k.p(yl / 2), k.Eslim() * yl / 2);
}

TEST(SoftClayCurve, CyclicAboveAndBelowTheTransitionDepth) {
    SoftClayInput in = kAt120;
    in.cyclic = true;
    const SoftClayCurve shallow = MakeSoftClayCurve(in);  // zeq = 120 < Xr = 240
    const double S = f(0.72112477f) * 1000.0;
    EXPECT_NEAR(shallow.S, S, 1e-9);
    EXPECT_NEAR(shallow.R, 0.5 * S, 1e-9);
    EXPECT_NEAR(shallow.p(1.8), matlock(1.8, 1000.0, 0.6), 1e-7 * shallow.p(1.8));  // the power law to 3 y50
    EXPECT_NEAR(shallow.p(6.0), S + (0.5 * S - S) * (6.0 - 1.8) / 7.2, 1e-9);
    EXPECT_NEAR(shallow.p(9.0), shallow.R, 1e-9);  // 15 y50
    EXPECT_EQ(shallow.p(30.0), shallow.R);
    in.z = in.zeq = 300.0;
    const SoftClayCurve deep = MakeSoftClayCurve(in);
    EXPECT_EQ(deep.p(2.0), deep.S);
    EXPECT_EQ(deep.p(50.0), deep.S);
}

// Invariants over a grid of soils and depths.
TEST(SoftClayCurve, InvariantsOverAGrid) {
    for (double c : {1.0, 5.0, 20.0})
        for (double b : {12.0, 36.0, 96.0})
            for (double z : {0.0, 50.0, 500.0})
                for (bool cyclic : {false, true}) {
                    SoftClayInput in{c, b, 0.03, 0.01, z, z, 1.0, cyclic};
                    const SoftClayCurve k = MakeSoftClayCurve(in);
                    EXPECT_GE(k.Xr, 2.5 * b);
                    EXPECT_LE(k.pu, 9.0 * c * b * (1 + 1e-15));
                    EXPECT_EQ(k.p(0.0), 0.0);
                    double last = 0.0;
                    for (int i = 1; i <= 300; ++i) {
                        const double y = i * 0.01 * k.y50;  // to 3 y50
                        const double p = k.p(y);
                        EXPECT_GE(p, last) << c << " " << b << " " << z << " y=" << y;
                        last = p;
                    }
                    for (double y : {4.0, 10.0, 16.0, 100.0}) {
                        EXPECT_GE(k.p(y * k.y50), 0.0);
                        EXPECT_LE(k.p(y * k.y50), k.pu * (1 + 1e-7));
                    }
                }
}

TEST(SoftClayCurve, SlopeFactorChangesNpBelowNine) {
    SoftClayInput in = kAt120;
    in.slopeFactor = 0.8;
    EXPECT_NEAR(MakeSoftClayCurve(in).pu, 800.0, 1e-9);
    in.z = 2400.0;  // Np well above 9
    in.slopeFactor = 0.5;
    EXPECT_NEAR(MakeSoftClayCurve(in).pu, 9.0 * kC * 24.0 * (SoftClayBearingFactor(in) * 0.5 < 9 ? 0 : 1), 1e-9);
}

TEST(SoftClayDefaults, Eps50ByStrength) {
    EXPECT_EQ(DefaultSoftClayE50(7.0, UnitSystem::USCS), f(0.005f));
    EXPECT_EQ(DefaultSoftClayE50(1000.0 / 144.0, UnitSystem::USCS), f(0.01f));  // just below 6.9444447
    EXPECT_EQ(DefaultSoftClayE50(f(6.9444447f), UnitSystem::USCS), f(0.005f));  // a threshold is in the upper class
    EXPECT_EQ(DefaultSoftClayE50(3.0, UnitSystem::USCS), f(0.02f));
    EXPECT_EQ(DefaultSoftClayE50(30.0, UnitSystem::USCS), f(0.004f));
    EXPECT_EQ(DefaultSoftClayE50(100.0, UnitSystem::SI), f(0.005f));
    EXPECT_EQ(DefaultSoftClayE50(5.0, UnitSystem::GENERAL), 0.0);
}

// A 600 in pile in one soft clay layer, 50 increments of 12 in.
class SoftClayLayer : public ::testing::Test {
protected:
    TestRun t;
    void SetUp() override {
        t.pile(600.0, 24.0);
        t.layer(SoilModel::SoftClay, 0.0, 700.0, Strength(kC, 0.01), Strength(kC, 0.01), kGamma, kGamma);
        t.discretize(50);
    }
    void analyse() {
        Compute_PY_SoftClay(t.run, PyLayerCall{1, t.run.nodes.i_TopNodeInLayer[1], t.run.nodes.i_BottomNodeInLayer[1],
                                               PyPass::Analysis});
    }
};

TEST_F(SoftClayLayer, SecantModuliAtTheDeflections) {
    auto& n = t.run.nodes;
    for (int k = 1; k <= n.count; ++k) n.y[k] = 0.6;
    n.y[21] = 0.0;
    analyse();
    ASSERT_FALSE(t.run.failed());
    EXPECT_NEAR(n.Es[11], 500.0 / 0.6, 1e-3);  // node 11 at 120 in: p(y50) = pu/2
    const SoftClayCurve at240 = MakeSoftClayCurve({kC, 24.0, kGamma, 0.01, 240.0, 240.0, 1.0, false});
    EXPECT_DOUBLE_EQ(n.Es[21], at240.Eslim());  // zero deflection
    // Resistance of the layer: trapezoids of pu over the nodes, plus pu h at the last.
    double expected = 0.0;
    double previous = 0.0;
    for (int k = 1; k <= n.count; ++k) {
        const double z = n.X[k];
        const double Np = 3.0 + kGamma * z / kC + 0.5 * z / 24.0;
        const double pu = (Np < 9 ? Np : 9.0) * kC * 24.0;
        if (k > 1) expected += (previous + pu) * 12.0 / 2;
        previous = pu;
    }
    expected += previous * 12.0;
    EXPECT_NEAR(t.run.soil.layerResistance[1], expected, 1e-6 * expected);
}

TEST_F(SoftClayLayer, MultipliersScaleTheCurve) {
    auto& m = t.model();
    m.pyModifierCount = 2;
    m.pyModifiers[1] = {0.0, 0.5, 2.0};
    m.pyModifiers[2] = {600.0, 0.5, 2.0};
    for (int k = 1; k <= t.run.nodes.count; ++k) t.run.nodes.y[k] = 1.2;
    analyse();
    // The scaled curve has the points (2 y, 0.5 p): at y = 1.2, p(0.6)/2.
    EXPECT_NEAR(t.run.nodes.Es[11], 0.5 * 500.0 / 1.2, 1e-3);
}

TEST_F(SoftClayLayer, StrongClayIsWarned) {
    t.model().strengthPoints[2].cohesion = 1500.0 / 144.0;
    analyse();
    EXPECT_FALSE(t.run.failed());
    EXPECT_GT(t.run.warnings.count[3041], 0);
    EXPECT_EQ(t.run.warnings.count[3042], 0);
}

TEST_F(SoftClayLayer, ZeroStrengthBelowTheTopIsInputError12) {
    t.model().strengthPoints[1].cohesion = 0.0;
    t.model().strengthPoints[2].cohesion = 0.0;
    analyse();
    EXPECT_EQ(t.run.status.value(), 112);
    const std::string report = t.report();
    EXPECT_NE(report.find("Problem:  A negative or zero value of cohesion was input for a soft clay soil."),
              std::string::npos);
    EXPECT_NE(report.find("Layer no. = 1, Node no. = 2, Top node in layer = 1, Elevation =     12.000, c(x) =      "
                          "0.000, Pile length =    600.000\n, ITOP = 1, IBOT = 51\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(t.log().rfind("**** Input Data Error No. 12 ****", 0), 0u);
}

TEST_F(SoftClayLayer, PrintedCurveAtAUserDepth) {
    auto& m = t.model();
    m.pyOutputDepthCount = 1;
    m.pyOutputDepths[1] = 120.0;
    Compute_PY_SoftClay(t.run, PyLayerCall{1, 1, 1, PyPass::CurveReport});
    ASSERT_FALSE(t.run.failed());
    const std::string expectedHead =
        "\n\np-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions\n\n"
        "Soil Layer Number           =            1\n"
        "Depth below pile head       =      120.000 in\n"
        "Depth below ground surface  =      120.000 in\n"
        "Ground Slope Angle          =        0.000 degrees\n"
        "Pile Batter                 =        0.000 degrees\n"
        "Effective Slope             =        0.000 degrees\n"
        "Equivalent Depth            =      120.000 in\n"
        "Pile Diameter               =       24.000 in\n"
        "Cohesion, c                 =        6.944 lbs/in**2\n"
        "Avg Eff Unit Weight         =      0.02894 lbs/in**3\n"
        "Epsilon50 parameter         =      0.01000\n"
        "J                           =        0.500\n"
        "Transition Depth Xr         =      240.000 in\n"
        "pu_s                        =     1000.000 lbs/in\n"
        "pu_d                        =     1500.000 lbs/in\n"
        "Y50                         =      0.60000 in\n"
        "p-multiplier                =      1.00000\n"
        "y-multiplier                =      1.00000\n"
        "\n     y, in              p, lbs/in\n"
        "----------------    -----------------\n";
    const std::string report = t.report();
    ASSERT_EQ(report.substr(0, expectedHead.size()), expectedHead);
    // The 17 points, from Matlock's law.
    const double ys[] = {0, f(0.008f), 0.25, 0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 2.25, 2.5, 2.75, 3, 8, 15, 20};
    std::string points;
    std::string plot = edit::ES(120.0, 15, 7) + "   17" + std::string(60, ' ') +
                       "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1\n";
    for (int i = 0; i < 17; ++i) {
        const double y = ys[i] * 0.6;
        const double p = ys[i] >= 8 ? 1000.0 : matlockPrinted(y, 1000.0, 0.6);
        points += "   " + RealCell(y, 12) + "     " + RealCell(p, 12) + "\n";
        plot += edit::ES(y, 15, 7) + edit::ES(p, 15, 7) + std::string(50, ' ') + "Line 8(" + edit::I(i + 1, 2) +
                "): y, p, for soft clay\n";
    }
    EXPECT_EQ(report.substr(expectedHead.size()), points);
    EXPECT_EQ(t.plot(), plot);
}

}  // namespace
}  // namespace drovi
