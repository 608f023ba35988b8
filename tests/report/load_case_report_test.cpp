#include "report/load_case_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/cells.h"
#include "pile/load_case.h"
#include "report/response_summary.h"
#include "section/section_driver.h"
#include "support/test_run.h"

namespace drovi {
namespace {

using testing::TestRun;

// A long elastic pile on an elastic subgrade, so that the printed answers
// can be checked against the beam-on-elastic-foundation solution.
class ReportedPile : public ::testing::Test {
protected:
    TestRun t;
    TestRun si{UnitSystem::SI};
    const double EI = 29e6 * 2549.35, k = 1200.0;  // lb-in^2, lb/in^2

    void build(TestRun& r, double length, double width, double EIvalue, double subgrade) {
        auto& m = r.model();
        r.pile(length, width, EIvalue);
        auto& s = m.sections[1];
        s.elastic.shape = 2;
        s.elastic.elasticModulus = EIvalue;
        s.elastic.topInertia = 1.0;
        StrengthPoint sp;
        sp.subgradeModulus = subgrade;
        r.layer(SoilModel::ElasticSubgrade, 0.0, length * 2, sp, sp, 0.03, 0.03);
        auto& o = m.options;
        o.analysisType = 3;
        o.maxIterations = 100;
        o.convergenceTolerance = 1e-9;
        o.maxDeflection = 1e9;
        o.printIncrement = 100;
        m.axialThrustCount = 1;
        m.loadCount = 1;
        r.discretize(500);
        Analyze_Pile_Section(r.run, 1);
    }
    void solve(TestRun& r, int type, double c1, double c2) {
        r.model().loads[1] = {type, c1, c2, 0.0, false};
        RunLoadCase(r.run, 1);
        ASSERT_EQ(r.run.status.value(), 0);
        WriteLoadCaseResults(r.run, 1);
    }
};

TEST_F(ReportedPile, ShearAndMomentInUscs) {
    build(t, 1800.0, 24.0, EI, 50.0);
    solve(t, 1, 10000.0, 0.0);
    const std::string r = t.report();
    const std::string head =
        "Pile-head conditions are Shear and Moment (Loading Type 1)\n\n"
        "Horizontal shear force at pile head                    =       10000.000 lbs\n"
        "Applied moment at pile head                            =           0.000 in-lbs\n"
        "Axial thrust load on pile head                         =           0.000 lbs\n\n"
        "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  Soil Spr.   Distrib. \n"
        "     X         y        Moment     Force         S       Stress   Stiffness      p         Es*h    Lat. Load \n"
        "   inches    inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in      lb/inch    lb/inch \n";
    EXPECT_NE(r.find(head), std::string::npos) << r;
    // Rows for nodes 1, 101, ..., 501 only.
    int rows = 0;
    for (std::size_t at = r.find("\n---------- "); (at = r.find('\n', at + 1)) != std::string::npos && rows < 10;) {
        if (r.compare(at + 1, 3, "   ") != 0 && r.compare(at + 1, 3, "  1") != 0) break;
        ++rows;
    }
    EXPECT_EQ(rows, 6);
    // The output summary against the closed form, 2 V lambda / k and 0.3224 V / lambda.
    const double lambda = std::pow(k / (4 * EI), 0.25);
    auto valueAfter = [&](const std::string& label) {
        const auto at = r.find(label);
        return at == std::string::npos ? NAN : std::strtod(r.substr(at + label.size(), 14).c_str(), nullptr);
    };
    EXPECT_NEAR(valueAfter("Pile-head deflection             = "), 2 * 10000.0 * lambda / k, 0.002 * 2e4 * lambda / k);
    EXPECT_NEAR(valueAfter("Maximum bending moment           = "), 0.3224 * 10000.0 / lambda,
                0.002 * 0.3224e4 / lambda);
    EXPECT_NEAR(valueAfter("Depth of maximum bending moment  = "), M_PI / (4 * lambda), 0.02 / lambda);
    EXPECT_EQ(valueAfter("Maximum shear force              = "), 10000.0);
    // A linear problem still makes six solutions.
    EXPECT_NE(r.find("Number of iterations             =              6\n"), std::string::npos) << r;
    EXPECT_NE(r.find("\nOutput Verification: Computed forces and moments are within specified convergence limits.\n"),
              std::string::npos);
}

TEST_F(ReportedPile, HeadBlocksOfEveryTypeInSi) {
    build(si, 30.0, 0.6, 2e5, 20000.0);
    struct Case {
        int type;
        double c1, c2;
        std::string block;
    };
    const Case cases[] = {
        {2, 50.0, 0.0,
         "Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)\n\n"
         "Shear force at pile head                               =          50.000 kN\n"
         "Rotation of pile head                                  =       0.000E+00 radians\n"
         "Axial load at pile head                                =           0.000 kN\n\n"
         "(Zero slope for this load indicates fixed-head conditions)\n\n"},
        {3, 50.0, 1e5,
         "Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)\n"
         "Shear force at pile head                               =          50.000 kN\n"
         "Rotational stiffness                                   =      100000.000 kN-m/rad\n"
         "Axial load at pile head                                =           0.000 kN\n\n"},
        {4, 0.01, 10.0,
         "Pile-head conditions are Displacement and Moment (Loading Type 4)\n"
         "Displacement of pile head                              =        0.010000 meters\n"
         "Moment at pile head                                    =          10.000 kN-m\n"
         "Axial load at pile head                                =           0.000 kN\n\n"},
        {5, 0.01, -0.001,
         "Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)\n"
         "Displacement of pile head                              =        0.010000 meters\n"
         "Rotation of pile head                                  =      -1.000E-03 radians\n"
         "Axial load on pile head                                =           0.000 kN\n\n"},
    };
    for (const auto& c : cases) {
        TestRun fresh{UnitSystem::SI};
        build(fresh, 30.0, 0.6, 2e5, 20000.0);
        solve(fresh, c.type, c.c1, c.c2);
        const std::string r = fresh.report();
        EXPECT_NE(r.find(c.block), std::string::npos) << r.substr(0, 1200);
        EXPECT_NE(r.find("   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m        "
                         "kN/m      kN/m    \n"),
                  std::string::npos);
        EXPECT_NE(r.find("Pile-head deflection             = "), std::string::npos);
        EXPECT_NE(r.find(" meters below pile head\n"), std::string::npos);
    }
}

TEST_F(ReportedPile, GeneralUnitsPrintNoUnitBlocks) {
    TestRun general{UnitSystem::GENERAL};
    build(general, 30.0, 0.6, 2e5, 20000.0);
    solve(general, 1, 50.0, 0.0);
    const std::string r = general.report();
    EXPECT_EQ(r.find("Pile-head conditions"), std::string::npos);
    EXPECT_EQ(r.find("Output Summary"), std::string::npos);
    EXPECT_EQ(r.find("Output Verification"), std::string::npos);
    EXPECT_NE(r.find("   Depth    Deflect."), std::string::npos);
}

TEST_F(ReportedPile, ImbalanceGivesSolutionErrorWarnings) {
    build(si, 30.0, 0.6, 2e5, 20000.0);
    si.model().loads[1] = {1, 50.0, 0.0, 0.0, false};
    RunLoadCase(si.run, 1);
    ASSERT_EQ(si.run.status.value(), 0);
    si.run.nodes.W[30] = 10.0;  // a load the solution never saw
    WriteLoadCaseResults(si.run, 1);
    const std::string r = si.report();
    EXPECT_NE(r.find("\n\n**** Warning - Possible Solution Error 5501 ****\n\n"
                     "Force and moment imbalances may be too large for a good solution.\n"),
              std::string::npos)
        << r;
    EXPECT_NE(r.find("Maximum internal moment imbalance for pile        = "), std::string::npos);
    EXPECT_EQ(r.find("Output Verification"), std::string::npos);
    const std::string log = si.log();
    EXPECT_NE(log.find("**** Warning - Possible Solution Error 550 ****"), std::string::npos);
    EXPECT_NE(log.find(" kN at node "), std::string::npos);
    EXPECT_EQ(si.run.warnings.latest, 0);  // not a registered warning
}

TEST(LrfdPerformance, PassFailAndElasticRows) {
    TestRun t;
    auto& m = t.model();
    m.options.useLRFD = true;
    m.sectionCount = 2;
    m.sections[1].sectionType = static_cast<int>(SectionType::ElasticWithMomentCapacity);
    m.sections[1].elastic.shape = 2;
    m.sections[1].elastic.topPlasticMoment = 1000.0;
    m.sections[2].sectionType = static_cast<int>(SectionType::Elastic);
    m.lrfdCombinationCount = 3;
    const double moments[] = {850.0, 950.0, -950.0};
    for (int c = 1; c <= 3; ++c) {
        m.lrfdCombinations[c].flexureFactor = 0.9;
        m.lrfdCombinations[c].name = "Strength " + std::to_string(c);
        t.run.results[c].sectionMaxMoment[1] = moments[c - 1];
        t.run.results[c].sectionMaxMoment[2] = 10.0;
    }
    WriteLrfdPerformance(t.run);
    const std::string r = t.report();
    const std::string pass = "  1       1   " + RealCell(0.9, 10) + RealCell(900.0, 10) + RealCell(850.0, 10) +
                             "    0.9444    Pass     ";
    EXPECT_NE(r.find(pass), std::string::npos) << r;
    EXPECT_NE(r.find(RealCell(950.0, 10) + "    1.0556  > FAIL <   "), std::string::npos) << r;
    EXPECT_NE(r.find(RealCell(-950.0, 10) + "   -1.0556  > FAIL <   "), std::string::npos) << r;
    EXPECT_NE(r.find("  1       2   " + RealCell(0.9, 10) + " Infinite " + RealCell(10.0, 10) +
                     "    N/A       N/A      "),
              std::string::npos)
        << r;
    EXPECT_NE(r.find("\n2 LRFD load combinations have failed.\n"), std::string::npos);
    EXPECT_EQ(t.run.warnings.count[400], 2);
}

}  // namespace
}  // namespace drovi
