// Whole runs through the run driver: the order of the plot records, the
// parts of the report, the warning summary and the value returned.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run_driver.h"
#include "support/temp_dir.h"

namespace drovi {
namespace {

// An elastic 24 in pipe pile, 60 ft, in soft clay; `clay` holds the two
// strength records, `loading` the LOADING section, `extra` anything else.
std::string deck(const std::string& clay, const std::string& loading, const std::string& printCurves,
                 const std::string& extra = "") {
    return "DROVIP6\nTITLE\nElastic pile in soft clay\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\n"
           "UseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
           "MaxIterations 500\nMaxDeflection 10.0\nTolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\n"
           "PrintIncrement 5\nPrintPYCurves " +
           printCurves +
           "\nComputeInteraction NO\nSECTIONS\n1\n1\n11\n60.0\n2\n29000000.0\n24.0\n24.0\n36.91\n36.91\n2549.35\n"
           "2549.35\nSOIL LAYERS\n1\n1 0.0 70.0\n" +
           clay + "LOADING\n" + loading + extra + "END\n";
}

const std::string kSoftClay = "50.0 600.0 0.01\n50.0 1200.0 0.01\n";
const std::string kOneLoad = "1\n1 1 20000.0 0.0 0.0 1\n0\n";

struct RunOutput {
    int status;
    std::string report, plot, log;
};

RunOutput runDeck(const std::string& input) {
    testing::TempDir dir;
    dir.write("NAMES.DAT", "pile.inp\npile.out\npile.plt\npile.msg\nuser\ncompany\n");
    dir.write("pile.inp", input);
    const FixedEnvironment env(dir.path().string(), LocalTime{2026, 12, 11, 12, 0, 0});
    RunOutput out;
    out.status = RunAnalysis(env);
    out.report = dir.read("pile.out");
    out.plot = dir.read("pile.plt");
    out.log = dir.read("pile.msg");
    return out;
}

// The record number of every plot record, from its label.
std::vector<int> recordNumbers(const std::string& plot) {
    std::vector<int> numbers;
    std::istringstream in(plot);
    for (std::string line; std::getline(in, line);) {
        const auto at = line.find("Line ");
        numbers.push_back(at == std::string::npos ? -1 : std::atoi(line.c_str() + at + 5));
    }
    return numbers;
}

TEST(WholeRun, PlotRecordsInOrder) {
    const auto out = runDeck(deck(kSoftClay, kOneLoad, "YES", "DEPTHS OF PRINTED P-Y CURVES\n2\n1 5.0\n2 20.0\n"));
    ASSERT_EQ(out.status, 0) << out.report;
    std::vector<int> expected = {1, 2, 3, 4};
    expected.insert(expected.end(), 150, 5);
    expected.push_back(6);
    for (int curve = 0; curve < 2; ++curve) {
        expected.push_back(7);
        expected.insert(expected.end(), 17, 8);
    }
    expected.push_back(9);
    expected.insert(expected.end(), 101, 10);
    expected.push_back(11);
    expected.push_back(13);
    EXPECT_EQ(recordNumbers(out.plot), expected);
}

// The printed curve at 5 ft against Matlock's equations evaluated here:
// c = 600 + 600 (5/70) psf, gamma' = 50 pcf, eps50 = 0.01, b = 24 in, z = 60 in.
TEST(WholeRun, PrintedCurvesFollowTheCriteria) {
    const auto out = runDeck(deck(kSoftClay, kOneLoad, "YES", "DEPTHS OF PRINTED P-Y CURVES\n1\n1 5.0\n"));
    ASSERT_EQ(out.status, 0) << out.report;
    const double c = (600.0 + 600.0 * 5.0 / 70.0) / 144.0, gamma = 50.0 / 1728.0, b = 24.0, z = 60.0;
    const double Np = 3.0 + gamma * z / c + 0.5 * z / b;
    const double pu = Np * c * b;
    const double y50 = 2.5 * 0.01 * b;
    std::istringstream in(out.plot);
    int points = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.find("Line 8(") == std::string::npos) continue;
        const double y = std::strtod(line.substr(0, 15).c_str(), nullptr);
        const double p = std::strtod(line.substr(15, 15).c_str(), nullptr);
        const double expected = y == 0.0 ? 0.0 : y >= 8 * y50 ? pu : 0.5 * pu * std::cbrt(y / y50);
        EXPECT_NEAR(p, expected, 1e-5 * expected) << "y = " << y;
        ++points;
    }
    EXPECT_EQ(points, 17);
}

TEST(WholeRun, ReportHasResultsSummaryAndVerdict) {
    const auto out = runDeck(deck(kSoftClay, kOneLoad, "NO"));
    ASSERT_EQ(out.status, 0) << out.report;
    const std::string& r = out.report;
    // The nodal table prints every fifth node: 0, 36, 72 in ...
    EXPECT_NE(r.find("\n      0.00 "), std::string::npos);
    EXPECT_NE(r.find("\n    36.000 "), std::string::npos);
    EXPECT_EQ(r.find("\n     7.200 "), std::string::npos);
    EXPECT_NE(r.find("Output Verification: Computed forces and moments are within specified convergence limits."),
              std::string::npos);
    EXPECT_NE(r.find("Output Summary for Load Case No. 1:"), std::string::npos);
    EXPECT_NE(r.find("Summary of Pile Response(s)"), std::string::npos);
    // The head deflection of the summary is node 1's of the plot file.
    const auto line10 = out.plot.find("Line 10(  1)");
    ASSERT_NE(line10, std::string::npos);
    const auto start = out.plot.rfind('\n', line10) + 1;
    const double y1 = std::strtod(out.plot.substr(start + 15, 15).c_str(), nullptr);
    const auto at = r.find("Pile-head deflection             = ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NEAR(std::strtod(r.substr(at + 35, 14).c_str(), nullptr), y1, 1e-6 * y1);
    const std::string ending = "\nThe analysis ended normally. \n\n";
    EXPECT_EQ(r.substr(r.size() - ending.size()), ending);
    EXPECT_EQ(r.find("warning"), std::string::npos);
}

TEST(WholeRun, OneWarningCodeIsReturned) {
    // 1500 psf at the bottom of the clay: above the soft clay's range.
    const auto out = runDeck(deck("50.0 600.0 0.01\n50.0 1500.0 0.01\n", kOneLoad, "NO"));
    EXPECT_EQ(out.status, -3041);
    EXPECT_NE(out.report.find("Summary of Warning Messages"), std::string::npos);
    EXPECT_NE(out.report.find("The following warning was reported "), std::string::npos);
    EXPECT_NE(out.report.find("defined using the soft clay criteria.  The input value is greater than 8.68"),
              std::string::npos);
    EXPECT_NE(out.log.find("The analysis ended with one or more warning messages."), std::string::npos);
    const std::string ending = "\nThe analysis ended normally. \n\n";
    EXPECT_EQ(out.report.substr(out.report.size() - ending.size()), ending);
}

// A long elastic pile on an elastic subgrade through the whole run, USCS and
// SI, against 2 V lambda / k and 0.3224 V / lambda (Hetenyi).
TEST(WholeRun, ElasticSubgradeMatchesTheClosedForm) {
    struct Case {
        const char* units;
        double EI, b, kES, L, V;  // in the input's units; L in ft or m
        double lengthScale;       // to internal units
    };
    const Case cases[] = {
        {"USCS", 29e6 * 2549.35, 24.0, 50.0, 150.0, 10000.0, 12.0},
        {"SI", 2e8 * 1.0e-3, 0.6, 20000.0, 40.0, 50.0, 1.0},
    };
    for (const auto& c : cases) {
        const bool si = std::string(c.units) == "SI";
        const double widthInput = si ? c.b * 1000.0 : c.b;
        const double inertiaInput = si ? 1.0e-3 * 1e12 : 2549.35;
        const double modulus = si ? 2e8 : 29e6;
        std::ostringstream d;
        d << "DROVIP6\nTITLE\nElastic pile on an elastic subgrade\n\n\n\n\nOPTIONS\nUnits " << c.units
          << "\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
             "ComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 100\nMaxDeflection 100.0\nTolerance "
          << (si ? "2.54E-9" : "1.0E-7")
          << "\nIncrements 500\nPrintSummaryOnly YES\nPrintIncrement 1\nPrintPYCurves NO\nComputeInteraction NO\n"
             "SECTIONS\n1\n1\n11\n"
          << c.L << "\n2\n" << modulus << "\n" << widthInput << "\n" << widthInput << "\n1\n1\n"
          << inertiaInput << "\n" << inertiaInput << "\nSOIL LAYERS\n1\n13 0.0 " << c.L * 1.2 << "\n1 " << c.kES
          << "\n1 " << c.kES << "\nLOADING\n1\n1 1 " << c.V << " 0.0 0.0 1\n0\nEND\n";
        const auto out = runDeck(d.str());
        ASSERT_EQ(out.status, 0) << out.report;
        const auto at = out.plot.find("Line 13:");
        ASSERT_NE(at, std::string::npos);
        const std::string line13 = out.plot.substr(out.plot.rfind('\n', at) + 1);
        const double y1 = std::strtod(line13.substr(15, 15).c_str(), nullptr);
        const double mmax = std::strtod(line13.substr(30, 15).c_str(), nullptr);
        const double k = c.kES * c.b;
        const double lambda = std::pow(k / (4.0 * c.EI), 0.25);
        EXPECT_NEAR(y1, 2.0 * c.V * lambda / k, 0.002 * 2.0 * c.V * lambda / k) << c.units;
        EXPECT_NEAR(mmax, 0.3224 * c.V / lambda, 0.002 * 0.3224 * c.V / lambda) << c.units;
    }
}

// An elastic pile in API sand through the whole run, against the independent
// dense solution of tests/oracles/pile_in_soft_clay.py (pile_in_api_sand),
// and its printed curves against the API equations.
TEST(WholeRun, ElasticPileInApiSand) {
    const std::string input =
        "DROVIP6\nTITLE\nElastic pile in API sand\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\n"
        "UseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
        "MaxIterations 500\nMaxDeflection 10.0\nTolerance 1.0E-6\nIncrements 100\nPrintSummaryOnly NO\n"
        "PrintIncrement 5\nPrintPYCurves YES\nComputeInteraction NO\nSECTIONS\n1\n1\n11\n60.0\n2\n29000000.0\n"
        "24.0\n24.0\n36.91\n36.91\n2549.35\n2549.35\nSOIL LAYERS\n1\n6 0.0 70.0\n60.0 35.0 100.0\n60.0 35.0 100.0\n"
        "LOADING\n1\n1 1 20000.0 0.0 0.0 1\n0\nDEPTHS OF PRINTED P-Y CURVES\n2\n1 3.0\n2 20.0\nEND\n";
    const auto out = runDeck(input);
    ASSERT_EQ(out.status, 0) << out.report;
    const auto at = out.plot.find("Line 13:");
    const std::string line13 = out.plot.substr(out.plot.rfind('\n', at) + 1);
    const double y1 = std::strtod(line13.substr(15, 15).c_str(), nullptr);
    const double mmax = std::strtod(line13.substr(30, 15).c_str(), nullptr);
    EXPECT_NEAR(y1, 0.15375124225599074, 1e-3 * 0.15375);
    EXPECT_NEAR(mmax, 986670.8044925168, 1e-3 * 986670.8);

    // Printed curves: p = A pu tanh(k z y / (A pu)) at 36 in and 240 in.
    const double phi = 35.0 * M_PI / 180.0, gamma = 60.0 / 1728.0, b = 24.0, K0 = static_cast<double>(0.4f);
    const double alpha = phi / 2, beta = M_PI / 4 + phi / 2;
    const double Ka = std::pow(std::tan(M_PI / 4 - alpha), 2), Kp = std::pow(std::tan(beta), 2);
    const double C1 = std::tan(beta) * (std::tan(alpha) * Kp +
                                        (std::sin(beta) * (1 / std::cos(alpha) + 1) * std::tan(phi) - std::tan(alpha)) * K0);
    const double C2 = Kp - Ka, C3 = Kp * Kp * (Kp + K0 * std::tan(phi)) - Ka;
    std::istringstream in(out.plot);
    int curve = 0, points = 0;
    double z = 0.0;
    for (std::string line; std::getline(in, line);) {
        if (line.find("Line 7:") != std::string::npos) {
            z = ++curve == 1 ? 36.0 : 240.0;
            continue;
        }
        if (line.find("Line 8(") == std::string::npos) continue;
        const double pu = std::min((C1 * z + C2 * b) * z * gamma, C3 * b * gamma * z);
        const double A = std::max(static_cast<double>(0.9f), 3.0 - static_cast<double>(0.8f) * z / b);
        const double y = std::strtod(line.substr(0, 15).c_str(), nullptr);
        const double p = std::strtod(line.substr(15, 15).c_str(), nullptr);
        const double expected = A * pu * std::tanh(100.0 * z * y / (A * pu));
        EXPECT_NEAR(p, expected, 2e-5 * expected + 1e-12) << "z = " << z << ", y = " << y;
        ++points;
    }
    EXPECT_EQ(points, 34);
    EXPECT_NE(out.report.find("p-y Curve Computed Using API Sand Criteria for Static Loading"), std::string::npos);
}

}  // namespace
}  // namespace drovi
