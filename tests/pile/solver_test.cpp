#include "pile/solver.h"

#include <gtest/gtest.h>

#include "engine/edit_format.h"
#include "support/test_run.h"

namespace drovi {
namespace {

TEST(HeadSystem, SolvesInRowOrder) {
    testing::TestRun t;
    auto& w = t.run.solver;
    // An upper triangle with ones: x = (1, 2, 3, 4, 5).
    double F[5][5] = {{2, 1, 0, 0, 0}, {1, 3, 1, 0, 0}, {0, 1, 4, 1, 0}, {0, 0, 1, 5, 1}, {0, 0, 0, 1, 6}};
    const double x[5] = {1, 2, 3, 4, 5};
    for (int i = 0; i < 5; ++i) {
        w.G[i] = 0.0;
        for (int j = 0; j < 5; ++j) {
            w.F[i][j] = F[i][j];
            w.G[i] += F[i][j] * x[j];
        }
    }
    ASSERT_TRUE(SolveHeadSystem(t.run, 5));
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(w.X[i], x[i], 1e-12);
}

TEST(HeadSystem, VanishingPivotIsRuntimeError11) {
    testing::TestRun t;
    auto& w = t.run.solver;
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) w.F[i][j] = 0.0;
        w.F[i][i] = 1.0;
        w.G[i] = i + 1.0;
    }
    w.F[2][2] = 1e-21;  // row 3
    w.F[0][2] = 7.0;
    EXPECT_FALSE(SolveHeadSystem(t.run, 5));
    EXPECT_EQ(t.run.status.value(), 211);
    const std::string message =
        "**** Runtime Error No. 11 ****\n\n"
        "Problem:  Solution failed due to small pivot value.\n"
        "          Node number = 3\n"
        "          Pivot value =  1.00000E-21\n\n"
        "Solution: This error usually occurs when a lateral bearing capacity failure\n"
        "          occurs.  Reduce the load on the pile and repeat the analysis.\n"
        "          You may also consider increasing pile diameter or pile length.\n";
    const std::string report = t.report();
    EXPECT_EQ(report.rfind(message, 0), 0u) << report;
    EXPECT_EQ(t.log(), message);
    // Column by column: column 3 holds 7 in row 1 and the pivot in row 3.
    const std::string one = edit::ES(1.0, 12, 4), zero = edit::ES(0.0, 12, 4);
    const std::string dump = "\n\nF Matrix \n\n" + one + zero + zero + zero + zero + "\n" + zero + one + zero + zero +
                             zero + "\n" + edit::ES(7.0, 12, 4) + zero + edit::ES(1e-21, 12, 4) + zero + zero + "\n";
    EXPECT_NE(report.find(message + dump), std::string::npos) << report;
    EXPECT_NE(report.find("\n\nG Vector \n\n" + one + "\n" + edit::ES(2.0, 12, 4) + "\n"), std::string::npos);
    EXPECT_NE(report.find("\n\nYG Vector\n\n"), std::string::npos);
}

TEST(HeadSystem, LastPivotIsNotTested) {
    testing::TestRun t;
    auto& w = t.run.solver;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 5; ++j) w.F[i][j] = 0.0;
        w.F[i][i] = 1.0;
        w.G[i] = 1.0;
    }
    w.F[3][3] = 1e-30;
    EXPECT_TRUE(SolveHeadSystem(t.run, 4));
    EXPECT_FALSE(t.run.failed());
}

}  // namespace
}  // namespace drovi
