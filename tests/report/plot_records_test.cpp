#include "report/plot_records.h"

#include <gtest/gtest.h>

#include "engine/edit_format.h"
#include "report/load_case_report.h"
#include "support/temp_dir.h"

namespace drovi {
namespace {

std::string written(void (*write)(PlotWriter&)) {
    testing::TempDir dir;
    {
        PlotWriter plot;
        plot.open(dir.file("plot"));
        write(plot);
    }
    return dir.read("plot");
}

TEST(PlotRecords, ColumnsAndLabels) {
    const std::string E = edit::ES(1.5, 15, 7);  // "  1.5000000E+00"
    ASSERT_EQ(E, "  1.5000000E+00");
    struct Case {
        void (*write)(PlotWriter&);
        std::string expected;
    };
    const Case cases[] = {
        {[](PlotWriter& p) { WritePlotLine9(p, 3, 101, 1); },
         "    3  101    1" + std::string(65, ' ') + "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI\n"},
        {[](PlotWriter& p) { WritePlotLine10(p, 5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5); },
         E + E + E + E + E + E + " Line 10(  5): nodal depth, y, M, V, p, EI\n"},
        {[](PlotWriter& p) { WritePlotLine10(p, 501, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5); },
         E + E + E + E + E + E + " Line 10(501): nodal depth, y, M, V, p, EI\n"},
        {[](PlotWriter& p) { WritePlotLine11NotRun(p, 2, false); },
         "    0" + std::string(75, ' ') + "Line 11: Num. points on Ytop vs. Length curve for load case 2\n"},
        {[](PlotWriter& p) { WritePlotLine11NotRun(p, 2, true); },
         "    0" + std::string(75, ' ') + "Line 11: Num. points on Ytop vs. Length curve for LRFD load case 2\n"},
        {[](PlotWriter& p) { WritePlotLine11(p, 1, 12); },
         "   12" + std::string(75, ' ') + "Line 11: Num. points on Ytop vs. pile length curve for load case 1\n"},
        {[](PlotWriter& p) { WritePlotLine12(p, 1.5, 1.5, 1.5, 1.5); },
         E + E + E + E + std::string(20, ' ') + "Line 12: pile length, Ytop, Mmax, Vmax\n"},
        {[](PlotWriter& p) { WritePlotLine13(p, true, 1.5, 1.5, 1.5, 1.5, 1.5); },
         E + E + E + E + E + "     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)\n"},
        {[](PlotWriter& p) { WritePlotLine13(p, false, 1.5, 1.5, 1.5, 1.5, 1.5); },
         E + E + E + E + E + "     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)\n"},
        {[](PlotWriter& p) { WritePlotLine14(p, {1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5}); },
         E + E + E + E + E + E + E + E + "  Line 14: V, M, K22, K23, K32, K33, ytop, theta\n"},
        {[](PlotWriter& p) { WritePlotLine6(p, 0); },
         "    0" + std::string(75, ' ') + "Line 6 : number of output p-y curves\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(written(c.write), c.expected);
}

TEST(ZeroDeflectionPoints, StrictSignChangesOnly) {
    PileNodes n;
    n.count = 6;
    const double y[] = {1.0, 0.5, -0.5, -1.0, 0.0, 1.0, 2.0};  // nodes 1..7 (7 = N + 1)
    for (int k = 1; k <= 7; ++k) n.y[k] = y[k - 1];
    EXPECT_EQ(CountZeroDeflectionPoints(n), 1);  // the zero at node 5 does not count
    n.y[7] = -2.0;
    EXPECT_EQ(CountZeroDeflectionPoints(n), 2);
}

}  // namespace
}  // namespace drovi
