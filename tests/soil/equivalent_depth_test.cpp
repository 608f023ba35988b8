// Expected depths were computed apart from this code, from the published
// equations (a short script evaluating the same marches and roots).
#include "soil/equivalent_depth.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_run.h"

namespace drovi {
namespace {

using testing::Strength;
using testing::TestRun;

constexpr double kTolerance = 1e-9;  // relative; both sides evaluate the same sums

double depthBelow(SoilModel lower, double F, const EquivalentDepthInput& in) {
    TestRun t;
    t.pile(1000.0, in.b);
    t.layer(SoilModel::Sand, 0.0, 100.0, Strength(0), Strength(0), 0.03, 0.03);
    t.layer(lower, 100.0, 2000.0, Strength(in.c), Strength(in.c), 0.03, 0.03);
    t.run.soil.layerResistance[1] = F;
    Compute_Equivalent_Depth(t.run, 2, in);
    return t.run.soil.equivalentTopDepth[2];
}

TEST(EquivalentDepth, SoftClayBelowAnotherLayer) {
    // b = 24 in, c = 1000 psf, gamma' = 50 pcf: Xr = 240 in and H = 240000 lb (static).
    EquivalentDepthInput in{24.0, 1000.0 / 144.0, 50.0 / 1728.0, 0.0, 0.0, 0.4, 120.0, false};
    EXPECT_NEAR(depthBelow(SoilModel::SoftClay, 300000.0, in), 280.0, 280.0 * kTolerance);  // Xr + (F-H)/(9bc)
    EXPECT_NEAR(depthBelow(SoilModel::SoftClay, 100000.0, in), 129.79991993593592, 1e-7);
    in.cyclic = true;
    EXPECT_NEAR(depthBelow(SoilModel::SoftClay, 300000.0, in), 424.4444334065477, 1e-7);
    EXPECT_NEAR(depthBelow(SoilModel::SoftClay, 50000.0, in), 75.95917942265426, 1e-7);
}

TEST(EquivalentDepth, StiffClays) {
    EquivalentDepthInput in{36.0, 20.0, 0.035, 15.0, 0.0, 0.4, 120.0, false};
    EXPECT_NEAR(depthBelow(SoilModel::StiffClayWithFreeWater, 20000.0, in), 86.7195002716996, 1e-7);
    EXPECT_NEAR(depthBelow(SoilModel::StiffClayWithFreeWater, 200000.0, in), 359.8592362827385, 1e-7);
    EXPECT_NEAR(depthBelow(SoilModel::StiffClayWithoutFreeWater, 100000.0, in), 53.87953237179959, 1e-7);
    EXPECT_NEAR(depthBelow(SoilModel::StiffClayWithoutFreeWaterK, 1e7, in), 1751.2578217486894, 1e-6);
    in.cyclic = true;
    EXPECT_NEAR(depthBelow(SoilModel::StiffClayWithFreeWater, 5000.0, in), 30.868707811581874, 1e-7);
    EXPECT_NEAR(depthBelow(SoilModel::StiffClayWithFreeWater, 100000.0, in), 454.4943650770856, 1e-7);
}

TEST(EquivalentDepth, SandAndCementedSilt) {
    const double phi30 = 30.0 * M_PI / 180.0;
    EquivalentDepthInput in{24.0, 0.0, 0.0347, 0.0, phi30, 0.4, 120.0, false};
    EXPECT_NEAR(depthBelow(SoilModel::Sand, 50000.0, in), 112.82407530310644, 1e-7);
    EXPECT_NEAR(depthBelow(SoilModel::Sand, 1e12, in), 395577097.44311285, 1.0);
    EquivalentDepthInput api{24.0, 0.0, 0.0347, 0.0, 35.0 * M_PI / 180.0, static_cast<double>(0.4f), 120.0, true};
    EXPECT_NEAR(depthBelow(SoilModel::ApiSand, 50000.0, api), 103.05580510769875, 1e-7);
    EquivalentDepthInput silt{24.0, 5.0, 0.0347, 0.0, phi30, 0.4, 120.0, false};
    EXPECT_NEAR(depthBelow(SoilModel::CementedSilt, 80000.0, silt), 91.79267785658107, 1e-7);
}

TEST(EquivalentDepth, OtherModelsAndEmptyLayersAbove) {
    EquivalentDepthInput in{24.0, 5.0, 0.03, 0.0, 0.0, 0.4, 120.0, false};
    EXPECT_EQ(depthBelow(SoilModel::ElasticSubgrade, 1000.0, in), kNoEquivalentDepth);
    // A layer above that built no resistance lends its saved value.
    TestRun t;
    t.pile(1000.0, 24.0);
    t.layer(SoilModel::LiquefiedSand, 0.0, 100.0, Strength(0), Strength(0), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 100.0, 2000.0, Strength(1000.0 / 144), Strength(1000.0 / 144), 0.03, 0.03);
    t.run.soil.savedLayerResistance[1] = 300000.0;
    Compute_Equivalent_Depth(t.run, 2, {24.0, 1000.0 / 144.0, 50.0 / 1728.0, 0.0, 0.0, 0.4, 120.0, false});
    EXPECT_NEAR(t.run.soil.equivalentTopDepth[2], 280.0, 1e-9);
}

}  // namespace
}  // namespace drovi
