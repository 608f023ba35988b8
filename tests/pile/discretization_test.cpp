#include "pile/discretization.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pile/pile_lookups.h"
#include "support/test_run.h"

namespace drovi {
namespace {

using testing::Strength;
using testing::TestRun;

TEST(Discretization, EqualIncrementsEndExactlyAtTheTip) {
    TestRun t;
    t.pile(600.0, 24.0);
    t.discretize(100);
    const auto& n = t.run.nodes;
    EXPECT_EQ(n.count, 101);
    EXPECT_DOUBLE_EQ(n.h, 6.0);
    EXPECT_EQ(n.X[101], 600.0);
    EXPECT_DOUBLE_EQ(n.X[51], 300.0);
    for (int k = 1; k <= 101; ++k) EXPECT_EQ(n.Z[k], n.X[k]);  // no batter
}

TEST(Discretization, BatterShortensVerticalDepths) {
    TestRun t;
    t.pile(600.0, 24.0);
    t.model().pileBatter = 0.2;
    t.discretize(100);
    EXPECT_DOUBLE_EQ(t.run.nodes.Z[101], 600.0 * std::cos(0.2));
}

TEST(Discretization, NodeOnSectionBoundaryBelongsToUpperSection) {
    TestRun t;
    auto& m = t.model();
    t.pile(400.0, 24.0);
    m.sectionCount = 2;
    m.dimensionPointCount = 4;
    m.dimensionProfile[2].depth = 200.0;
    m.dimensionProfile[3] = {200.0, 18.0, 5e9, 1.0, 1.0};
    m.dimensionProfile[4] = {400.0, 18.0, 5e9, 1.0, 1.0};
    t.discretize(40);  // h = 10: node 21 at 200
    EXPECT_EQ(t.run.nodes.sectionOfNode[1], 1);
    EXPECT_EQ(t.run.nodes.sectionOfNode[21], 1);
    EXPECT_EQ(t.run.nodes.sectionOfNode[22], 2);
    EXPECT_EQ(t.run.nodes.sectionOfNode[41], 2);
    // At the boundary the look-up gives the lower section's top.
    EXPECT_DOUBLE_EQ(pilePropertiesAt(m, 200.0).width, 18.0);
    EXPECT_DOUBLE_EQ(pilePropertiesAt(m, 199.0).width, 24.0);
}

TEST(Discretization, LayersOwnConsecutiveRunsOfNodes) {
    TestRun t;
    t.pile(400.0, 24.0);
    // Nodes every 10 in. Layer 2 lies between nodes 11 and 12 and holds none;
    // node 21 sits on the boundary of layers 3 and 4.
    t.layer(SoilModel::SoftClay, 0.0, 101.0, Strength(5), Strength(5), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 101.0, 109.0, Strength(5), Strength(5), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 109.0, 200.0, Strength(5), Strength(5), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 200.0, 500.0, Strength(5), Strength(5), 0.03, 0.03);
    t.discretize(40);
    const auto& n = t.run.nodes;
    EXPECT_EQ(n.i_TopNodeInLayer[1], 1);
    EXPECT_EQ(n.i_BottomNodeInLayer[1], 11);
    EXPECT_EQ(n.i_TopNodeInLayer[2], 0);
    EXPECT_EQ(n.i_BottomNodeInLayer[2], 0);
    EXPECT_EQ(n.i_TopNodeInLayer[3], 12);
    EXPECT_EQ(n.i_BottomNodeInLayer[3], 20);
    EXPECT_EQ(n.i_TopNodeInLayer[4], 21);
    EXPECT_EQ(n.i_BottomNodeInLayer[4], 41);
}

TEST(Discretization, ProfileEndingAboveTheTipWritesDiagnostic) {
    TestRun t;
    t.pile(400.0, 24.0);
    t.layer(SoilModel::SoftClay, 0.0, 300.0, Strength(5), Strength(5), 0.03, 0.03);
    t.discretize(40);
    EXPECT_EQ(t.run.nodes.i_TopNodeInLayer[1], 1);
    EXPECT_EQ(t.run.nodes.i_BottomNodeInLayer[2], 41);  // the tip layer is one past the profile
    EXPECT_EQ(t.report(),
              "ERROR 2 in computing i_BottomNodeInLayer\nNum_Nodes_To_Assign = 41\nilayer = 1\nklayer = 2\n"
              "jlayer = 2\ni_Number_of_Layers = 1\n");
    EXPECT_FALSE(t.run.failed());
}

TEST(Discretization, SoilMovementAndInitialState) {
    TestRun t;
    auto& m = t.model();
    t.pile(400.0, 24.0, 2e10);
    t.layer(SoilModel::SoftClay, 50.0, 500.0, Strength(5), Strength(5), 0.03, 0.03);
    m.soilMovementCount = 3;
    m.soilMovements[1] = {50.0, 2.0};
    m.soilMovements[2] = {50.0 + 5e-6, 4.0};  // two points at one depth
    m.soilMovements[3] = {300.0, 0.0};
    m.distributedLoadCount = 2;
    m.distributedLoads[1] = {0.0, 10.0};
    m.distributedLoads[2] = {400.0, 10.0};
    t.discretize(40);
    MapSoilMovement(m, t.run.nodes);
    InitNodeState(m, t.run.nodes);
    const auto& n = t.run.nodes;
    EXPECT_DOUBLE_EQ(n.ysm[1], 0.0);  // above the table
    EXPECT_DOUBLE_EQ(n.ysm[6], 3.0);  // the mean of the two points at its depth
    EXPECT_NEAR(n.ysm[11], 4.0 - 4.0 * (50.0 - 5e-6) / (250.0 - 5e-6), 1e-12);
    EXPECT_DOUBLE_EQ(n.ysm[31], 0.0);
    EXPECT_DOUBLE_EQ(n.ysm[32], 0.0);  // below the table
    EXPECT_EQ(n.Es[5], 0.0);           // above the ground surface at 50
    EXPECT_EQ(n.Es[6], kInitialSoilModulus);
    EXPECT_DOUBLE_EQ(n.R[20], 2e10);
    EXPECT_DOUBLE_EQ(n.W[20], 10.0);
    EXPECT_DOUBLE_EQ(n.W[1], 5.0);  // half the increment lies above the table
}

TEST(PileLookups, InterpolatesStiffnessAsAProduct) {
    AnalysisModel m;
    m.dimensionPointCount = 2;
    m.dimensionProfile[1] = {0.0, 20.0, 100.0, 2.0, 1.0};
    m.dimensionProfile[2] = {100.0, 30.0, 300.0, 4.0, 3.0};
    const auto mid = pilePropertiesAt(m, 50.0);
    EXPECT_DOUBLE_EQ(mid.width, 25.0);
    EXPECT_DOUBLE_EQ(mid.stiffness, 0.5 * (200.0 + 1200.0));
    EXPECT_DOUBLE_EQ(pilePropertiesAt(m, 150.0).width, 30.0);  // below: the last point
}

TEST(PileLookups, DistributedLoadOverAnIncrement) {
    AnalysisModel m;
    m.distributedLoadCount = 4;
    m.distributedLoads[1] = {0.0, 0.0};
    m.distributedLoads[2] = {100.0, 100.0};  // triangle
    m.distributedLoads[3] = {100.0, 20.0};   // step down
    m.distributedLoads[4] = {200.0, 20.0};
    EXPECT_DOUBLE_EQ(distributedLoadAverage(m, 50.0, 10.0), 50.0);
    EXPECT_DOUBLE_EQ(distributedLoadAverage(m, 100.0, 10.0), (97.5 * 5 + 20.0 * 5) / 10.0);
    EXPECT_DOUBLE_EQ(distributedLoadAverage(m, 0.0, 10.0), 2.5 * 5 / 10.0);
    EXPECT_DOUBLE_EQ(distributedLoadAverage(m, 300.0, 10.0), 0.0);
    m.distributedLoadCount = 0;
    EXPECT_DOUBLE_EQ(distributedLoadAverage(m, 50.0, 10.0), 0.0);
}

}  // namespace
}  // namespace drovi
