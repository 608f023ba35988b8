// The solver and the iteration against the closed-form solution of a long
// elastic beam on an elastic (Winkler) foundation (Hetenyi 1946): with the
// spring modulus k (force per length squared) and lambda = (k / 4EI)^(1/4),
//   free head, shear V:   y0 = 2 V lambda / k,   Mmax = 0.3224 V / lambda
//   free head, moment M:  y0 = 2 M lambda^2 / k
//   fixed head, shear V:  y0 = V lambda / k,     M0 = V / (2 lambda)
#include <gtest/gtest.h>

#include <cmath>

#include "pile/load_case.h"
#include "pile/solver.h"
#include "section/section_driver.h"
#include "support/test_run.h"

namespace drovi {
namespace {

using testing::TestRun;

constexpr double kEI = 29.0e6 * 2549.35;  // lb-in^2: a 24 x 0.5 in steel pipe
constexpr double kWidth = 24.0;
constexpr double kSubgrade = 50.0;        // lb/in^3
constexpr double kSpring = kSubgrade * kWidth;
const double kLambda = std::pow(kSpring / (4.0 * kEI), 0.25);  // 1/in; 1/lambda is about 125 in
constexpr double kLength = 1800.0;                             // lambda L = 14: a long pile

struct Solution {
    double headDeflection;
    double headMoment;
    double headShear;
    double maxMoment;
    int status;
};

class ElasticPile {
public:
    explicit ElasticPile(int increments, double P = 0.0) {
        auto& m = t.model();
        t.pile(kLength, kWidth, kEI);
        auto& s = m.sections[1];
        s.elastic.shape = static_cast<int>(ElasticShape::Circular);
        s.elastic.elasticModulus = 29.0e6;
        s.elastic.topInertia = s.elastic.bottomInertia = 2549.35;
        StrengthPoint k;
        k.subgradeModulus = kSubgrade;
        t.layer(SoilModel::ElasticSubgrade, 0.0, kLength + 100.0, k, k, 0.03, 0.03);
        auto& o = m.options;
        o.analysisType = 3;
        o.maxIterations = 100;
        o.convergenceTolerance = 1e-9;
        o.maxDeflection = 100.0;
        o.pileIncrements = increments;
        m.axialThrustCount = 1;
        m.axialThrustValues[1] = P / 1000.0;
        m.loadCount = 1;
        t.discretize(increments);
        Analyze_Pile_Section(t.run, 1);
    }

    Solution solve(int type, double c1, double c2, double P = 0.0) {
        auto& m = t.model();
        m.loads[1] = {type, c1, c2, P, false};
        RunLoadCase(t.run, 1);
        Solution s{};
        s.status = t.run.status.value();
        for (int k = 1; k <= t.run.nodes.count; ++k) NodeResponse(t.run, k);
        s.headDeflection = t.run.nodes.y[1];
        s.headMoment = t.run.loadCase.headMoment;
        s.headShear = t.run.loadCase.headShear;
        s.maxMoment = t.run.loadCase.maxima.moment;
        return s;
    }

    TestRun t;
};

double relative(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

TEST(BeamOnElasticFoundation, FreeHeadUnderShearConverges) {
    const double V = 10000.0;
    const double y0 = 2.0 * V * kLambda / kSpring;
    const double Mmax = 0.3224 * V / kLambda;
    double previous = 1.0;
    for (int n : {100, 200, 500}) {
        const Solution s = ElasticPile(n).solve(1, V, 0.0);
        ASSERT_EQ(s.status, 0);
        const double error = relative(s.headDeflection, y0);
        EXPECT_LT(error, previous) << n;
        previous = error;
        if (n == 500) {
            EXPECT_LT(error, 0.002);
            EXPECT_LT(relative(s.maxMoment, Mmax), 0.002);
        }
    }
}

TEST(BeamOnElasticFoundation, FreeHeadUnderMoment) {
    const double M = 1.0e6;
    const Solution s = ElasticPile(500).solve(1, 0.0, M);
    ASSERT_EQ(s.status, 0);
    EXPECT_LT(relative(std::fabs(s.headDeflection), 2.0 * M * kLambda * kLambda / kSpring), 0.002);
    EXPECT_LT(relative(s.headMoment, M), 1e-9);
}

TEST(BeamOnElasticFoundation, FixedHeadUnderShear) {
    const double V = 10000.0;
    const Solution s = ElasticPile(500).solve(2, V, 0.0);
    ASSERT_EQ(s.status, 0);
    EXPECT_LT(relative(s.headDeflection, V * kLambda / kSpring), 0.002);
    EXPECT_LT(relative(std::fabs(s.headMoment), V / (2.0 * kLambda)), 0.002);
}

// Each head condition against the equivalent other.
TEST(HeadConditions, AgreeWithEachOther) {
    const double V = 10000.0;
    const Solution free = ElasticPile(100).solve(1, V, 0.0);
    const Solution rotationFree = ElasticPile(100).solve(3, V, 0.0);  // K_theta = 0
    EXPECT_NEAR(rotationFree.headDeflection, free.headDeflection, 1e-12 * std::fabs(free.headDeflection));

    // Imposing the deflection type 1 produced gives back its shear.
    const Solution imposed = ElasticPile(100).solve(4, free.headDeflection, 0.0);
    EXPECT_NEAR(imposed.headShear, V, 1e-6 * V);

    // The fixed head's moment applied to a free head gives zero slope.
    const Solution fixed = ElasticPile(100).solve(2, V, 0.0);
    const Solution withMoment = ElasticPile(100).solve(1, V, fixed.headMoment);
    EXPECT_NEAR(withMoment.headDeflection, fixed.headDeflection, 1e-9 * fixed.headDeflection);

    // A very stiff rotational restraint behaves as a fixed head.
    const Solution stiff = ElasticPile(100).solve(3, V, 1e18);
    EXPECT_NEAR(stiff.headDeflection, fixed.headDeflection, 1e-6 * fixed.headDeflection);

    // Deflection and slope imposed as the fixed head had them.
    const Solution both = ElasticPile(100).solve(5, fixed.headDeflection, 0.0);
    EXPECT_NEAR(both.headShear, V, 2e-3 * V);  // one-sided differences at the head
}

TEST(HeadConditions, ZeroLoadGivesZeroDeflection) {
    ElasticPile pile(100);
    const Solution s = pile.solve(1, 0.0, 0.0);
    ASSERT_EQ(s.status, 0);
    for (int k = -1; k <= pile.t.run.nodes.count + 1; ++k) EXPECT_EQ(pile.t.run.nodes.y[k], 0.0);
    EXPECT_EQ(ElasticPile(100).solve(4, 0.0, 0.0).headDeflection, 0.0);
}

// The converged solution is in equilibrium: the soil reactions balance the
// head shear, and their moment about the head balances the head moment.
TEST(Equilibrium, SoilReactionsBalanceTheHeadLoads) {
    const double V = 10000.0, M = 5.0e5;
    ElasticPile pile(500);
    const Solution s = pile.solve(1, V, M);
    ASSERT_EQ(s.status, 0);
    const auto& n = pile.t.run.nodes;
    double force = 0.0, moment = 0.0;
    for (int k = 1; k <= n.count; ++k) {
        const double w = (k == 1 || k == n.count) ? n.h / 2.0 : n.h;  // trapezoid rule
        force += n.p[k] * w;
        moment += n.p[k] * n.X[k] * w;
    }
    EXPECT_NEAR(force + V, 0.0, 0.01 * V);
    EXPECT_NEAR(moment - M, 0.0, 0.01 * (std::fabs(M) + V / kLambda)) << moment;
}

TEST(AxialThrust, CompressionIncreasesDeflection) {
    const double V = 10000.0;
    const Solution plain = ElasticPile(200).solve(1, V, 0.0);
    const Solution loaded = ElasticPile(200, 5.0e6).solve(1, V, 0.0, 5.0e6);
    ASSERT_EQ(loaded.status, 0);
    EXPECT_GT(loaded.headDeflection, plain.headDeflection);
}

}  // namespace
}  // namespace drovi
