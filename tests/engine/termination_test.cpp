#include "engine/termination.h"

#include <gtest/gtest.h>

#include "engine/channel.h"
#include "support/temp_dir.h"

namespace drovi {
namespace {

TEST(ErrorCode, TextAndStatusAgree) {
    EXPECT_EQ(ErrorCode::Input(12).text(), "INP00012");
    EXPECT_EQ(ErrorCode::Input(12).status(), 112);
    EXPECT_EQ(ErrorCode::Runtime(9).text(), "RUN00009");
    EXPECT_EQ(ErrorCode::Runtime(9).status(), 209);
}

struct TerminationCase {
    ErrorCode code;
    const char* report;
};

TEST(TerminateRun, WritesRecordAndSetsStatus) {
    const TerminationCase cases[] = {
        {ErrorCode::Runtime(11), "\n\nDrovi ended prematurely due to runtime error number RUN00011\n"},
        {ErrorCode::Input(95), "\n\nDrovi ended prematurely due to input error number INP00095\n"},
        {ErrorCode::Input(25),
         "\n\nDrovi ended prematurely due to input error number INP00025\n"
         "\n**** Input Data Error No. 25 ****\n\n"
         "Length of input file is 0 bytes.  No analysis can be performed.\n"},
    };
    for (const auto& c : cases) {
        testing::TempDir dir;
        RunStatus status;
        {
            OutputChannel report;
            ASSERT_TRUE(report.open(dir.file("report")));
            TerminateRun(report, status, c.code);
        }
        EXPECT_EQ(dir.read("report"), c.report);
        EXPECT_EQ(status.value(), c.code.status());
    }
}

TEST(RunStatus, KeepsTheFirstError) {
    RunStatus status;
    EXPECT_FALSE(status.failed());
    status.set(195);
    status.set(209);
    EXPECT_EQ(status.value(), 195);
    EXPECT_TRUE(status.failed());
}

}  // namespace
}  // namespace drovi
