#include "soil/soil_lookups.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace drovi {
namespace {

using testing::Strength;
using testing::TestRun;

// Two layers meeting at 100; the strength on each side is N above and U below.
struct InterfaceCase {
    SoilModel upper;
    SoilModel lower;
    double N;
    double U;
    int status;       // 0, or the status that ends the run
    double expected;  // when status is 0
};

class InterfaceRule : public ::testing::TestWithParam<InterfaceCase> {};

TEST_P(InterfaceRule, CombinesStrengthsByClass) {
    const auto& c = GetParam();
    TestRun t;
    t.pile(300.0, 24.0);
    t.layer(c.upper, 0.0, 100.0, Strength(5.0), Strength(c.N), 0.03, 0.03);
    t.layer(c.lower, 100.0, 400.0, Strength(c.U), Strength(50.0), 0.03, 0.03);
    const double v = fn_c(t.run, 100.0);
    EXPECT_TRUE(t.run.soil.b_AtNode);
    EXPECT_EQ(t.run.status.value(), c.status);
    if (c.status == 0) {
        EXPECT_DOUBLE_EQ(v, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, InterfaceRule,
    ::testing::Values(InterfaceCase{SoilModel::SoftClay, SoilModel::Sand, 10, 0, 0, 10},  // clay above sand
                      InterfaceCase{SoilModel::SoftClay, SoilModel::StiffClayWithFreeWater, 10, 20, 0, 15},
                      InterfaceCase{SoilModel::SoftClay, SoilModel::WeakRock, 10, 500, 0, 260},  // (2c + qu)/2
                      InterfaceCase{SoilModel::WeakRock, SoilModel::SoftClay, 500, 10, 0, 260},
                      InterfaceCase{SoilModel::WeakRock, SoilModel::VuggyLimestone, 500, 700, 0, 600},
                      InterfaceCase{SoilModel::Sand, SoilModel::SoftClay, 0, 10, 0, 10},
                      InterfaceCase{SoilModel::ElasticSubgrade, SoilModel::WeakRock, 0, 300, 0, 300},
                      InterfaceCase{SoilModel::SoftClay, SoilModel::UserPy, 10, 0, 0, 10},
                      InterfaceCase{SoilModel::Sand, SoilModel::ApiSand, 0, 0, 230, 0},
                      InterfaceCase{SoilModel::CementedSilt, SoilModel::Sand, 0, 0, 230, 0},  // silt without c
                      InterfaceCase{SoilModel::CementedSilt, SoilModel::Sand, 8, 0, 0, 8},
                      InterfaceCase{SoilModel::Piedmont, SoilModel::SoftClay, 0, 10, 230, 0}));

TEST(StrengthLookup, TipOnInterfaceTakesUpperValue) {
    TestRun t;
    t.pile(100.0, 24.0);
    t.layer(SoilModel::SoftClay, 0.0, 100.0, Strength(5.0), Strength(10.0), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 100.0, 400.0, Strength(20.0), Strength(50.0), 0.03, 0.03);
    EXPECT_DOUBLE_EQ(fn_c(t.run, 100.0), 10.0);
    EXPECT_DOUBLE_EQ(fn_c(t.run, 50.0), 7.5);
    EXPECT_FALSE(t.run.soil.b_AtNode);
}

TEST(StrengthLookup, BelowTheProfile) {
    TestRun t;
    t.pile(500.0, 24.0);
    t.layer(SoilModel::SoftClay, 0.0, 400.0, Strength(5.0), Strength(10.0), 0.03, 0.03);
    EXPECT_DOUBLE_EQ(fn_c(t.run, 400.0 + 5e-7), 10.0);
    EXPECT_FALSE(t.run.failed());
    fn_c(t.run, 400.1);
    EXPECT_EQ(t.run.status.value(), 105);
    EXPECT_NE(t.report().find("Problem:  The value for a pile station depth is   4.0010E+02"), std::string::npos)
        << t.report();
    EXPECT_NE(t.log().find("soil shear strength versus depth at    400.000"), std::string::npos);
}

TEST(StrengthLookup, ZeroThicknessIsInputError60) {
    TestRun t;
    t.pile(500.0, 24.0);
    t.layer(SoilModel::SoftClay, 0.0, 0.0, Strength(5.0), Strength(10.0), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 0.0, 400.0, Strength(5.0), Strength(10.0), 0.03, 0.03);
    t.model().strengthPoints[3].strengthDepth = -1.0;  // points 2 and 3 out of order
    fn_c(t.run, -0.5);
    EXPECT_EQ(t.run.status.value(), 160);
}

TEST(PropertyLookups, FrictionAngleAndE50OnInterfaces) {
    TestRun t;
    t.pile(300.0, 24.0);
    t.layer(SoilModel::Sand, 0.0, 100.0, Strength(0, 0, 30), Strength(0, 0, 32), 0.03, 0.03);
    t.layer(SoilModel::Sand, 100.0, 200.0, Strength(0, 0, 36), Strength(0, 0, 38), 0.03, 0.03);
    t.layer(SoilModel::SoftClay, 200.0, 400.0, Strength(5, 0.02), Strength(5, 0.01), 0.03, 0.03);
    EXPECT_DOUBLE_EQ(frictionAngleAtDepth(t.run, 50.0), 31.0);
    EXPECT_DOUBLE_EQ(frictionAngleAtDepth(t.run, 100.0), 34.0);  // mean of both sides
    EXPECT_DOUBLE_EQ(frictionAngleAtDepth(t.run, 200.0), 38.0);  // clay below has none
    EXPECT_DOUBLE_EQ(e50AtDepth(t.run, 200.0), 0.02);            // sand above has none
    EXPECT_DOUBLE_EQ(e50AtDepth(t.run, 300.0), 0.015);
    EXPECT_DOUBLE_EQ(e50AtDepth(t.run, 500.0), 0.0);
    EXPECT_FALSE(t.run.failed());
    frictionAngleAtDepth(t.run, 500.0);
    EXPECT_EQ(t.run.status.value(), 104);
}

TEST(PropertyLookups, AveragesFromTheGroundSurface) {
    TestRun t;
    t.pile(300.0, 24.0);
    t.layer(SoilModel::SoftClay, 20.0, 120.0, Strength(4.0), Strength(8.0), 0.0, 0.04);
    t.layer(SoilModel::SoftClay, 120.0, 220.0, Strength(10.0), Strength(10.0), 0.05, 0.05);
    EXPECT_DOUBLE_EQ(averageUnitWeight(t.run, 10.0), 0.0);   // above the ground
    EXPECT_DOUBLE_EQ(averageUnitWeight(t.run, 20.0), 0.04);  // first positive value
    EXPECT_DOUBLE_EQ(averageUnitWeight(t.run, 70.0), 0.01);  // mean of 0 and 0.02
    EXPECT_DOUBLE_EQ(averageUnitWeight(t.run, 170.0), (0.02 * 100 + 0.05 * 50) / 150);
    EXPECT_DOUBLE_EQ(averageStrength(t.run, 20.0), 4.0);
    EXPECT_DOUBLE_EQ(averageStrength(t.run, 120.0), 6.0);
    EXPECT_DOUBLE_EQ(averageStrength(t.run, 220.0), 8.0);
    averageUnitWeight(t.run, 221.0);
    EXPECT_EQ(t.run.status.value(), 115);
}

TEST(PropertyLookups, AverageStrengthBelowTheProfile) {
    TestRun t;
    t.pile(300.0, 24.0);
    t.layer(SoilModel::SoftClay, 0.0, 120.0, Strength(4.0), Strength(8.0), 0.04, 0.04);
    averageStrength(t.run, 130.0);
    EXPECT_EQ(t.run.status.value(), 103);
    EXPECT_EQ(t.log().rfind("**** Input Data Error No. 3 ****", 0), 0u);  // run log first
}

TEST(Multipliers, TableRules) {
    AnalysisModel m;
    EXPECT_EQ(pMultiplierAt(m, 10.0), 1.0);
    m.pyModifierCount = 1;  // the option alone: no range
    EXPECT_EQ(yMultiplierAt(m, 0.0), 1.0);
    m.pyModifierCount = 4;
    m.pyModifiers[1] = {0.0, 0.5, 2.0};
    m.pyModifiers[2] = {100.0, 0.7, 1.0};
    m.pyModifiers[3] = {100.0, 0.9, 1.5};  // a step at 100
    m.pyModifiers[4] = {200.0, 1.1, 1.5};
    EXPECT_DOUBLE_EQ(pMultiplierAt(m, 50.0), 0.6);
    EXPECT_DOUBLE_EQ(yMultiplierAt(m, 50.0), 1.5);
    EXPECT_DOUBLE_EQ(pMultiplierAt(m, 100.0), 0.9);  // the lower row at a step
    EXPECT_DOUBLE_EQ(pMultiplierAt(m, 200.0), 1.1);
    EXPECT_DOUBLE_EQ(pMultiplierAt(m, 250.0), 1.0);  // below the table: 1, not the last row
    EXPECT_DOUBLE_EQ(pMultiplierAt(m, -1.0), 1.0);
}

}  // namespace
}  // namespace drovi
