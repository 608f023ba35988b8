#include "soil/elastic_subgrade.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace drovi {
namespace {

using testing::TestRun;

class ElasticSubgradeLayer : public ::testing::Test {
protected:
    TestRun t{UnitSystem::SI};
    void SetUp() override {
        StrengthPoint top, bottom;
        top.subgradeModulus = 10000.0;     // kN/m3
        bottom.subgradeModulus = 30000.0;
        t.pile(20.0, 0.6);
        t.layer(SoilModel::ElasticSubgrade, 0.0, 20.0, top, bottom, 9.0, 9.0);
        t.discretize(40);
    }
};

TEST_F(ElasticSubgradeLayer, ModulusIgnoresTheDeflection) {
    auto& n = t.run.nodes;
    for (int k = 1; k <= n.count; ++k) n.y[k] = 0.01 * k;
    Compute_PY_ElasticSubgrade(t.run, PyLayerCall{1, 1, n.count, PyPass::Analysis});
    EXPECT_NEAR(n.Es[1], 10000.0 * 0.6, 1e-9);
    EXPECT_NEAR(n.Es[21], 20000.0 * 0.6, 1e-9);  // 10 m: halfway
    EXPECT_NEAR(n.Es[41], 30000.0 * 0.6, 1e-9);
}

TEST_F(ElasticSubgradeLayer, SoilMovementLoadsTheNodes) {
    auto& m = t.model();
    m.soilMovementCount = 2;
    m.soilMovements[1] = {0.0, 0.02};
    m.soilMovements[2] = {20.0, 0.0};
    auto& n = t.run.nodes;
    MapSoilMovement(m, n);
    Compute_PY_ElasticSubgrade(t.run, PyLayerCall{1, 1, n.count, PyPass::Analysis});
    EXPECT_NEAR(n.W[21], 0.01 * 20000.0 * 0.6, 1e-9);
}

TEST_F(ElasticSubgradeLayer, PrintedCurveIsAStraightLineToTwoWidths) {
    auto& m = t.model();
    m.pyOutputDepthCount = 1;
    m.pyOutputDepths[1] = 10.0;
    Compute_PY_ElasticSubgrade(t.run, PyLayerCall{1, 1, 1, PyPass::CurveReport});
    const std::string report = t.report();
    EXPECT_NE(report.find("p-y Curve for Elastic Subgrade\n\nSoil Layer Number" + std::string(38, ' ') +
                          "=          1\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Elastic Subgrade Modulus" + std::string(31, ' ') + "=    20000.000 kN/m**3\n"),
              std::string::npos);
    EXPECT_NE(report.find("\n        y, m         p, kN/m\n---------------   ---------------\n"),
              std::string::npos)
        << report;
    // Last point: y = 2 b = 1.2 m, p = k b y = 20000 * 0.6 * 1.2.
    EXPECT_NE(report.find("        1.20000           14400.\n"), std::string::npos) << report;
    const std::string plot = t.plot();
    EXPECT_NE(plot.find("Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 1\n"),
              std::string::npos);
    EXPECT_NE(plot.find("  1.2000000E+00  1.4400000E+04" + std::string(50, ' ') +
                        "Line 8(17): y, p, for elastic subgrade\n"),
              std::string::npos)
        << plot;
}

}  // namespace
}  // namespace drovi
