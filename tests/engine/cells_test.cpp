#include "engine/cells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "engine/channel.h"
#include "support/temp_dir.h"

namespace drovi {
namespace {

struct OracleCase {
    const char* descriptor;
    const char* value;
    const char* expected;
};

const OracleCase kOracle[] = {
#include "edit_format_table.inc"
};

// The cell rule written in Fortran and printed by its runtime.
TEST(RealCell, MatchesFortranRuntime) {
    int checked = 0;
    for (const auto& c : kOracle) {
        const std::string descriptor = c.descriptor;
        if (descriptor.rfind("CELL", 0) != 0) continue;
        const int w = std::atoi(descriptor.c_str() + 4);
        EXPECT_EQ(RealCell(std::strtod(c.value, nullptr), w), c.expected) << descriptor << " of " << c.value;
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

TEST(RealCell, ChoosesNotationByMagnitude) {
    struct Case {
        double x;
        const char* expected;
    };
    const Case cases[] = {
        {0.0, "      0.0000"},   {123456.0, "     123456."}, {12.5, "    12.50000"},
        {0.0005, "   0.0005000"}, {2.0E-6, "  2.0000E-06"}, {3.2E9, "  3.2000E+09"},
        {-5e-13, "      0.0000"},  // below 1E-12 counts as zero, without a sign
    };
    for (const auto& c : cases) EXPECT_EQ(RealCell(c.x, 12), c.expected) << c.x;
    EXPECT_EQ(RealCell(std::numeric_limits<double>::quiet_NaN(), 12), "  Not-a-Number");
}

TEST(CellWriters, WriteOneLine) {
    testing::TempDir dir;
    {
        OutputChannel report;
        ASSERT_TRUE(report.open(dir.file("r.txt")));
        WriteIntCell(report, 7, 0);   // w outside 1..16 means 10
        WriteIntCell(report, -42, 4);
        WriteIntCell(report, 5, 17);
        WriteBlanks(report, 3);
        WriteRealCell(report, 12.5, 12);
        WriteText10(report, "SoftClay");
        WriteText8(report, "MassRockXYZ");
        WriteText8(report, "ab");
        EndLine(report);
    }
    EXPECT_EQ(dir.read("r.txt"),
              "         7 -42         5       12.50000SoftClay  MassRock\n"
              "ab      \n"
              "\n");
}

}  // namespace
}  // namespace drovi
