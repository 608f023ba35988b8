#include "section/direct_ei_tables.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/edit_format.h"
#include "section/section_driver.h"
#include "support/test_run.h"

namespace drovi {
namespace {

using testing::TestRun;

class DirectTables : public ::testing::Test {
protected:
    TestRun t;
    PileSection& section() { return t.model().sections[1]; }
    void SetUp() override {
        t.pile(600.0, 24.0);
        t.model().axialThrustCount = 2;
        t.model().axialThrustValues[1] = 0.0;
        t.model().axialThrustValues[2] = 50.0;
        t.model().options.pileIncrements = 100;
        DiscretizePile(t.model(), t.run.nodes);
    }
    const MomentCurvatureTable::Thrust& table(int thrust) { return t.run.mcTable->at(1, thrust); }
};

TEST_F(DirectTables, ElasticSection) {
    section().sectionType = static_cast<int>(SectionType::Elastic);
    section().elastic.elasticModulus = 29e6;
    section().elastic.topInertia = 1000.0;
    Analyze_Pile_Section(t.run, 1);
    const double EI = 29e9;
    for (int th = 1; th <= 2; ++th) {
        ASSERT_EQ(table(th).pointCount, 150);
        EXPECT_DOUBLE_EQ(table(th).momentCapacity, 1500.0 * EI);  // lb-in
        for (int k : {1, 75, 150}) {
            EXPECT_DOUBLE_EQ(table(th).points[k].curvature, 10.0 * k);
            EXPECT_DOUBLE_EQ(table(th).points[k].stiffness, EI / 1000.0);  // kip-in^2
            EXPECT_DOUBLE_EQ(table(th).points[k].moment, EI * 10.0 * k / 1000.0);
        }
    }
    const std::string plot = t.plot();
    EXPECT_EQ(plot.rfind("    2" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts for elastic section\n",
                         0),
              0u);
    EXPECT_NE(plot.find("  150" + std::string(10, ' ') + edit::ES(50.0, 15, 7) + edit::ES(1500.0 * EI, 15, 7) + std::string(35, ' ') +
                        "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap. for linear EI\n"),
              std::string::npos)
        << plot.substr(0, 400);
    EXPECT_NE(plot.find(edit::ES(EI * 1500 / 1000, 15, 7) + edit::ES(EI / 1000, 15, 7) + edit::ES(1500.0, 15, 7) + std::string(35, ' ') +
                        "Line 5 : Elastic Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=150\n"),
              std::string::npos);
    EXPECT_NE(t.report().find("Moment-Curvature properties derived from elastic section properties\n\n\n"),
              std::string::npos);
}

TEST_F(DirectTables, ElasticPlasticSection) {
    auto& s = section();
    s.sectionType = static_cast<int>(SectionType::ElasticWithMomentCapacity);
    s.length = 600.0;
    s.topDepth = 0.0;
    s.bottomDepth = 600.0;
    s.elastic = {2, 4e6, 24, 24, 0, 0, 0, 0, 450, 450, 16286, 8000, 5e6, 3e6};
    Analyze_Pile_Section(t.run, 1);
    const double EI = 4e6 * 16286.0;
    const double u = 5e6 / EI / 100.0;
    const auto& tb = table(1);
    EXPECT_DOUBLE_EQ(tb.points[100].curvature, 100 * u);
    EXPECT_DOUBLE_EQ(tb.points[100].stiffness, EI / 1000);
    EXPECT_DOUBLE_EQ(tb.points[101].moment, 5e6 / 1000);
    EXPECT_DOUBLE_EQ(tb.points[150].curvature, 100 * u + 20 * u * 50);
    EXPECT_DOUBLE_EQ(tb.points[150].stiffness, 5e6 / (100 * u + 20 * u * 50) / 1000);
    // Nodal capacities vary linearly from the top to the bottom values.
    const auto& n = t.run.nodes;
    EXPECT_DOUBLE_EQ(n.plasticMoment[1], 5e6);
    EXPECT_DOUBLE_EQ(n.plasticMoment[51], 4e6);
    EXPECT_DOUBLE_EQ(n.plasticMoment[101], 3e6);
    EXPECT_DOUBLE_EQ(n.elasticStiffness[51], 4e6 * (16286.0 + 8000.0) / 2);
}

TEST_F(DirectTables, UserDefinedCurves) {
    auto& s = section();
    s.sectionType = static_cast<int>(SectionType::UserDefinedNonlinearEI);
    auto& e = s.userEI;
    e.thrustCount = 2;
    // Thrust 1: four points from M = 0: g = (150 - 4) div 3 = 48, 145 points.
    e.thrusts[1].pointCount = 4;
    const UserEIPoint a[] = {{0, 4e10}, {1e6, 3e10}, {2e6, 2e10}, {2.5e6, 1e10}};
    for (int j = 0; j < 4; ++j) e.thrusts[1].points[j + 1] = a[j];
    // Thrust 2: four points from M = 1e6: a leading (0, EI1), g = 146 div 4 = 36, 145 points.
    e.thrusts[2].pointCount = 4;
    const UserEIPoint b[] = {{1e6, 4e10}, {2e6, 3e10}, {3e6, 2e10}, {3.5e6, 1e10}};
    for (int j = 0; j < 4; ++j) e.thrusts[2].points[j + 1] = b[j];
    Analyze_Pile_Section(t.run, 1);
    EXPECT_EQ(table(1).pointCount, 145);
    EXPECT_EQ(table(2).pointCount, 145);
    EXPECT_DOUBLE_EQ(table(1).momentCapacity, 2.5e6);
    EXPECT_DOUBLE_EQ(table(2).points[1].moment, 0.0);
    EXPECT_DOUBLE_EQ(table(2).points[1].stiffness, 4e10 / 1000);
    // Halfway along the first interval of thrust 1: point 25 of 48 steps.
    EXPECT_DOUBLE_EQ(table(1).points[25].moment, 0.5e6 / 1000);
    EXPECT_DOUBLE_EQ(table(1).points[25].stiffness, 3.5e10 / 1000);
    EXPECT_DOUBLE_EQ(table(1).points[25].curvature, 0.5e6 / 3.5e10);
    EXPECT_DOUBLE_EQ(table(1).points[145].moment, 2.5e6 / 1000);
}

TEST_F(DirectTables, OtherSectionsNeedTheCrossSectionAnalysis) {
    section().sectionType = static_cast<int>(SectionType::SteelPipe);
    Analyze_Pile_Section(t.run, 1);
    EXPECT_EQ(t.run.status.value(), 212);
    EXPECT_NE(t.report().find("Problem:  Section 1 is a Steel Pipe Pile."), std::string::npos) << t.report();
}

}  // namespace
}  // namespace drovi
