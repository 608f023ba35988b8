#include <gtest/gtest.h>

#include <cmath>

#include "reader_fixture.h"

namespace drovi {
namespace {

using testing::Contains;
using testing::Deck;
using testing::ReadDeck;

constexpr double kPi = 3.141592653589793;

// Concrete records: f'c, aggregate, default tension, internal curve.
const std::string kConcrete =
    "4000.\n0.75\nUse default concrete tensile strength\nUse internal stress-strain curve for concrete\n";

std::string drilledShaft(int number, double length, double diameter, const std::string& rebar) {
    return std::to_string(number) + "\n1\n" + std::to_string(length) + "\n" + std::to_string(diameter) + "\n" +
           kConcrete + rebar;
}

const std::string kCircle8x2 =
    "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000.\n29000000.\n8\n2\n1.0\n0.79\n3.0\n0.0\n";

TEST(SectionsReader, StacksSectionsIntoTheProfile) {
    const auto r = ReadDeck(Deck("SECTIONS\n2\n" + drilledShaft(1, 30, 36, kCircle8x2) +
                                 drilledShaft(2, 20, 30, "No rebar\n")));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& m = *r.model;
    EXPECT_EQ(m.sectionCount, 2);
    EXPECT_EQ(m.dimensionPointCount, 4);
    EXPECT_DOUBLE_EQ(m.pileLength, 50.0);
    const double depths[] = {0, 30, 30, 50};
    const double widths[] = {36, 36, 30, 30};
    for (int p = 1; p <= 4; ++p) {
        EXPECT_DOUBLE_EQ(m.dimensionProfile[p].depth, depths[p - 1]);
        EXPECT_DOUBLE_EQ(m.dimensionProfile[p].width, widths[p - 1]);
    }
    EXPECT_DOUBLE_EQ(m.sections[1].concrete.compressiveStrength, 4000.0);
    EXPECT_TRUE(m.sections[1].concrete.defaultTensileStrength);
    EXPECT_EQ(m.sections[2].barCount, 0);
}

TEST(SectionsReader, BundledBarsStraddleTheirPosition) {
    const auto r = ReadDeck(Deck("SECTIONS\n1\n" + drilledShaft(1, 30, 36, kCircle8x2)));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& s = r.model->sections[1];
    ASSERT_EQ(s.barCount, 16);
    const double R = (36.0 - 1.0) / 2.0 - 3.0;  // radius of the bar centres
    const double delta = 1.0 / R;
    EXPECT_NEAR(s.barX[1], R * std::cos(-delta / 2), 1e-12);
    EXPECT_NEAR(s.barY[1], -R * std::sin(delta / 2), 1e-12);
    EXPECT_NEAR(s.barY[2], R * std::sin(delta / 2), 1e-12);
    // Position 3 (bars 5 and 6) is at 90 degrees.
    EXPECT_NEAR(s.barX[5], R * std::sin(delta / 2), 1e-12);
    EXPECT_NEAR(s.barY[5], R * std::cos(delta / 2), 1e-12);
    for (int k = 1; k <= 16; ++k) {
        EXPECT_NEAR(std::hypot(s.barX[k], s.barY[k]), R, 1e-12);
        EXPECT_DOUBLE_EQ(s.barArea[k], 0.79);
    }
}

TEST(SectionsReader, SectionNumbersMustRunInOrder) {
    const auto r = ReadDeck(Deck("SECTIONS\n2\n" + drilledShaft(1, 30, 36, "No rebar\n") +
                                 drilledShaft(3, 20, 30, "No rebar\n")));
    EXPECT_EQ(r.status, 195);
    EXPECT_TRUE(Contains(r.report, "SECTION DATA OUT-OF-ORDER\n\nExpecting section number 2, but section number 3 "
                                   "was found\n"))
        << r.report;
}

TEST(SectionsReader, CasedShaftCoreIsFilledOrVoid) {
    const std::string body = "\n40\n48\n0.5\n36000\n29000000\n20\n0.75\n50000\n29000000\n" + kConcrete + "No rebar\n";
    const auto filled = ReadDeck(Deck("SECTIONS\n1\n1\n3" + body));
    ASSERT_EQ(filled.status, 0) << filled.report;
    EXPECT_EQ(filled.model->sections[1].sectionType, 3);
    EXPECT_TRUE(filled.model->sections[1].coreFilled);
    EXPECT_DOUBLE_EQ(filled.model->sections[1].coreModulus, 29000000.0);
    const auto hollow = ReadDeck(Deck("SECTIONS\n1\n1\n-3" + body));
    ASSERT_EQ(hollow.status, 0) << hollow.report;
    EXPECT_EQ(hollow.model->sections[1].sectionType, 3);
    EXPECT_FALSE(hollow.model->sections[1].coreFilled);
}

TEST(SectionsReader, SteelPipeProfileAndSiScaling) {
    const auto r = ReadDeck(Deck("SECTIONS\n1\n1\n4\n60\n24\n0.5\n36000\n29000000\n"));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& p = r.model->dimensionProfile[2];
    EXPECT_NEAR(p.inertia, kPi / 64 * (std::pow(24.0, 4) - std::pow(23.0, 4)), 1e-9);
    EXPECT_NEAR(p.inertia, 2549.35, 0.005);
    EXPECT_NEAR(p.area, 36.91, 0.005);
    EXPECT_DOUBLE_EQ(p.modulus, 29000000.0);

    const auto si = ReadDeck(Deck("SECTIONS\n1\n1\n1\n20\n1200\n" + kConcrete + "No rebar\n", {{1, "Units SI"},
                                                                                              {11, "Tol 2.54E-7"}}));
    ASSERT_EQ(si.status, 0) << si.report;
    EXPECT_DOUBLE_EQ(si.model->sections[1].diameter, 1.2);
    EXPECT_DOUBLE_EQ(si.model->sections[1].concrete.aggregateSize, 0.00075);
}

TEST(SectionsReader, StrandTableInSiUnits) {
    const std::string strands = "Autoposition strands\n1\n3\n8\n100000\n0.2\n75\n0\n";
    const auto r = ReadDeck(
        Deck("SECTIONS\n1\n1\n5\n20\n600\n" + kConcrete + strands, {{1, "Units SI"}, {11, "Tol 2.54E-7"}}));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& s = r.model->sections[1];
    EXPECT_EQ(s.barCount, 8);
    EXPECT_NEAR(s.barDiameter[1], 0.0127, 1e-8);
    EXPECT_NEAR(s.barArea[1], 9.87e-5, 1e-8);
    EXPECT_DOUBLE_EQ(s.barDiameter[1], static_cast<double>(0.5f) * static_cast<double>(0.0254f));
    EXPECT_DOUBLE_EQ(s.strands.ultimateStrength, 270000.0);
    EXPECT_DOUBLE_EQ(s.strands.strandModulus, 193053200.0);
    EXPECT_DOUBLE_EQ(s.strands.initialPrestressForce, 100000.0);  // stored as entered
    EXPECT_DOUBLE_EQ(s.strands.firstStrandDiameter, s.barDiameter[1]);
    const double R = (0.6 - s.barDiameter[1]) / 2 - 0.075;
    EXPECT_NEAR(s.barX[1], R, 1e-12);
    EXPECT_NEAR(s.barY[3], R, 1e-12);  // a quarter turn on
}

// Strands on a square: positions in units of a, by pattern and count.
TEST(SectionsReader, SquareStrandPatterns) {
    struct Case {
        int pattern;
        int n;
        std::vector<std::pair<double, double>> positions;
    };
    const Case cases[] = {
        {1, 6, {{-1, -1}, {0, -1}, {1, -1}, {1, 1}, {0, 1}, {-1, 1}}},
        {2, 6, {{-1, -1}, {1, -1}, {1, 0}, {1, 1}, {-1, 1}, {-1, 0}}},
        {1, 5, {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {0, 0}}},
        {1, 3, {{-1, -1}, {1, 1}, {0, 0}}},
        {2, 3, {{0, 0}, {0, 0}, {0, 0}}},
        {1, 16, {{-1, -1}, {-0.5, -1}, {0, -1}, {0.5, -1}, {1, -1}, {1, -0.5}, {1, 0}, {1, 0.5},
                 {1, 1}, {0.5, 1}, {0, 1}, {-0.5, 1}, {-1, 1}, {-1, 0.5}, {-1, 0}, {-1, -0.5}}},
    };
    for (const auto& c : cases) {
        // 24 in pile, grade 1 size 3 (0.5 in), 3 in cover: a = 8.75 in.
        const std::string strands = "Autoposition strands\n1\n3\n" + std::to_string(c.n) + "\n100000\n0.2\n3\n" +
                                    std::to_string(c.pattern) + "\n";
        const auto r = ReadDeck(Deck("SECTIONS\n1\n1\n7\n40\n24\n1\n" + kConcrete + strands));
        ASSERT_EQ(r.status, 0) << r.report;
        const auto& s = r.model->sections[1];
        const double a = 8.75;
        for (int k = 1; k <= c.n; ++k) {
            EXPECT_NEAR(s.barX[k], c.positions[k - 1].first * a, 1e-12) << c.pattern << "/" << c.n << " strand " << k;
            EXPECT_NEAR(s.barY[k], c.positions[k - 1].second * a, 1e-12) << c.pattern << "/" << c.n << " strand " << k;
        }
    }
}

TEST(SectionsReader, ManualStrandsAndElasticSections) {
    const std::string manual = "Manually-positioned strands\n0\n2\n50000\n0.1\n1 3 2 -4.0 0.0\n2 3 2 4.0 0.0\n";
    const auto r = ReadDeck(Deck("SECTIONS\n3\n1\n5\n20\n24\n" + kConcrete + manual +
                                 "2\n11\n30\n4\n29000000\n12\n12\n0.6\n0.4\n21.8\n1000\n"
                                 "3\n12\n10\n2\n4000000\n5e6\n4e6\n18\n16\n254\n201\n5153\n3217\n"));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& m = *r.model;
    EXPECT_DOUBLE_EQ(m.sections[1].barDiameter[2], static_cast<double>(1.0f));  // grade 3 size 2
    EXPECT_DOUBLE_EQ(m.sections[1].strands.ultimateStrength, 145000.0);
    EXPECT_DOUBLE_EQ(m.sections[1].barX[1], -4.0);
    // H-pile: flange width is the profile width, one inertia for both ends.
    EXPECT_DOUBLE_EQ(m.dimensionProfile[3].width, 12.0);
    EXPECT_DOUBLE_EQ(m.dimensionProfile[4].inertia, 1000.0);
    EXPECT_DOUBLE_EQ(m.dimensionProfile[4].area, 21.8);
    // Type 12 circular: plastic moments, tapered width and stiffness.
    const auto& e = m.sections[3].elastic;
    EXPECT_DOUBLE_EQ(e.topPlasticMoment, 5e6);
    EXPECT_DOUBLE_EQ(e.bottomPlasticMoment, 4e6);
    EXPECT_DOUBLE_EQ(m.dimensionProfile[5].width, 18.0);
    EXPECT_DOUBLE_EQ(m.dimensionProfile[6].width, 16.0);
    EXPECT_DOUBLE_EQ(m.dimensionProfile[6].inertia, 3217.0);
    EXPECT_DOUBLE_EQ(m.sections[3].topDepth, 50.0);
    EXPECT_DOUBLE_EQ(m.sections[3].bottomDepth, 60.0);
    EXPECT_DOUBLE_EQ(m.pileLength, 60.0);
}

TEST(SectionsReader, UserDefinedBendingStiffness) {
    const auto r = ReadDeck(Deck("SECTIONS\n1\n1\n13\n50\n24\n2\n0\n2\n0\n1e10\n1e6\n5e9\n100000\n1\n2e6\n4e9\n"));
    ASSERT_EQ(r.status, 0) << r.report;
    const auto& t = r.model->sections[1].userEI;
    EXPECT_EQ(t.thrustCount, 2);
    EXPECT_EQ(t.thrusts[1].pointCount, 2);
    EXPECT_DOUBLE_EQ(t.thrusts[1].points[2].bendingStiffness, 5e9);
    EXPECT_DOUBLE_EQ(t.thrusts[2].axialThrust, 100000.0);
    EXPECT_DOUBLE_EQ(r.model->dimensionProfile[1].width, 24.0);
}

TEST(SectionsReader, RejectsWhatCannotBeAnalysed) {
    struct Case {
        std::string sections;
        int status;
        const char* message;
    };
    const std::string concreteCurve = "4000\n0.75\nUse default concrete tensile strength\n"
                                      "Input stress-strain curve for concrete\n2\n1 0.001 2000\n3 0.002 4000\n";
    const Case cases[] = {
        {"1\n1\n14\n30\n", 136, "is a micropile (section type 14)"},
        {"1\n1\n15\n30\n", 195, "Unrecognized section type 15 for section number 1"},
        {"21\n", 134, "The number of pile sections on line"},
        {"1\n1\n1\n30\n36\n" + concreteCurve, 195, "Expecting line no. 2 but line no. 3 was read"},
        {"1\n1\n1\n30\n36\n4000\n0.75\nUse default tension\n", 195, "concrete tensile strength option"},
        {"1\n1\n1\n30\n36\n" + kConcrete + "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
                                           "60000\n29e6\n200\n2\n1\n0.79\n3\n0\n",
         137, "cannot be placed"},
        {"1\n1\n1\n30\n36\n" + kConcrete + "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
                                           "60000\n29e6\n8\n1\n1\n0.79\n0\n0\n",
         137, "cannot be placed"},
        {"1\n1\n1\n30\n36\n" + kConcrete + "Rebar Arrangement Not Same As Section Above\n"
                                           "Rebar in noncircular pattern\n60000\n29e6\n301\n",
         134, "reinforcing bars"},
        {"1\n1\n1\n30\n36\n" + kConcrete + "Rebar maybe\n", 195, "rebar continuation from section above option"},
        {"1\n1\n5\n30\n24\n" + kConcrete + "Autoposition strands\n2\n7\n8\n1e5\n0.2\n3\n0\n", 195,
         "Strand grade 2 has no size code 7"},
        {"1\n1\n5\n30\n24\n" + kConcrete + "Strands somewhere\n", 195, "INPUT ERROR - Unrecognized input for strand no. 0"},
        {"1\n1\n5\n30\n24\n" + kConcrete + "Manually-positioned strands\n1\n2\n1e5\n0.2\n2 1 3 0 0\n", 195,
         "INPUT ERROR - Input out-of-order for strand no."},
        {"1\n1\n11\n30\n7\n", 195, "Unrecognized elastic section shape 7"},
        {"1\n1\n13\n30\n24\n101\n", 134, "axial thrusts of the user-defined bending stiffness"},
        {"1\n1\n13\n30\n24\n1\n0\n151\n", 134, "moment and bending stiffness points"},
    };
    for (const auto& c : cases) {
        const auto r = ReadDeck(Deck("SECTIONS\n" + c.sections));
        EXPECT_EQ(r.status, c.status) << c.sections;
        EXPECT_TRUE(Contains(r.report, c.message)) << c.sections << "\n" << r.report;
    }
}

}  // namespace
}  // namespace drovi
