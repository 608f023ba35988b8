// Runs through the exported entry point of the shared library, in a
// scratch working directory, as the front end does.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/dgo.h"
#include "support/temp_dir.h"

namespace {

class DgoTest : public ::testing::Test {
protected:
    drovi::testing::TempDir dir;
    std::filesystem::path previous = std::filesystem::current_path();
    void SetUp() override { std::filesystem::current_path(dir.path()); }
    void TearDown() override { std::filesystem::current_path(previous); }
};

TEST_F(DgoTest, NoNamesFile) {
    EXPECT_EQ(DGO(), 202);
    EXPECT_FALSE(dir.exists("pile.out"));
}

TEST_F(DgoTest, NamesFileEndingAfterFirstLine) {
    dir.write("NAMES.DAT", "pile.inp\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DGO(), 204);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("**** Runtime Error No. 4 ****"), std::string::npos);
    EXPECT_NE(err.find("The name of the output report file is corrupted."), std::string::npos);
    EXPECT_EQ(err.find("Runtime Error No. 5"), std::string::npos);
    EXPECT_EQ(err.find("Runtime Error No. 17"), std::string::npos);
}

TEST_F(DgoTest, BlankPlotFileName) {
    dir.write("NAMES.DAT", "pile.inp\npile.out\n          \npile.msg\nuser\ncompany\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DGO(), 217);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(
                  "Plot output filename information is corrupted. No analysis performed."),
              std::string::npos);
}

TEST_F(DgoTest, ZeroByteInput) {
    dir.write("NAMES.DAT", "pile.inp\npile.out\npile.plt\npile.msg\nuser\ncompany\n");
    dir.write("pile.inp", "");
    EXPECT_EQ(DGO(), 125);
    const std::string log = dir.read("pile.msg");
    const std::string report = dir.read("pile.out");
    EXPECT_NE(log.find("Size of input data file is 0 bytes.  No analysis performed."), std::string::npos);
    EXPECT_NE(report.find("Drovi ended prematurely due to input error number INP00025"), std::string::npos);
    for (const std::string* file : {&log, &report})
        EXPECT_NE(file->find("The analysis ended due to an input error. \n"), std::string::npos);
}

}  // namespace

namespace {

std::string deck(const std::string& option9, const std::string& option11, const std::string& option12,
                 const std::string& body) {
    return "DROVIP6\nTITLE\nt\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
           "UseSoilMovement YES\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n" +
           option9 + "\nMaxDeflection 10\n" + option11 + "\n" + option12 +
           "\nPrintSummaryOnly NO\nPrintIncrement 1\nPrintPYCurves NO\nComputeInteraction NO\n" + body + "END\n";
}

struct BadInput {
    const char* name;
    std::string input;
    int status;
    const char* code;
};

class DgoBadInput : public DgoTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(DgoBadInput, EndsWithItsInputError) {
    const auto& c = GetParam();
    dir.write("NAMES.DAT", "pile.inp\npile.out\npile.plt\npile.msg\nuser\ncompany\n");
    dir.write("pile.inp", c.input);
    EXPECT_EQ(DGO(), c.status);
    const std::string report = dir.read("pile.out");
    const std::string log = dir.read("pile.msg");
    EXPECT_NE(report.find(std::string("Drovi ended prematurely due to input error number ") + c.code),
              std::string::npos)
        << report;
    for (const std::string* file : {&report, &log})
        EXPECT_NE(file->find("\nThe analysis ended due to an input error. \n"), std::string::npos) << *file;
}

const std::string kOk9 = "MaxIterations 100", kOk11 = "Tolerance 1E-5", kOk12 = "Increments 100";

INSTANTIATE_TEST_SUITE_P(
    HeldOut, DgoBadInput,
    ::testing::Values(BadInput{"iterations", deck("MaxIterations 29", kOk11, kOk12, ""), 195, "INP00095"},
                      BadInput{"increments", deck(kOk9, kOk11, "Increments 501", ""), 156, "INP00056"},
                      BadInput{"heading", deck(kOk9, kOk11, kOk12, "SOIL LAYER\n"), 199, "INP00099"},
                      BadInput{"tolerance", deck(kOk9, "Tolerance 0.2", kOk12, ""), 166, "INP00066"},
                      BadInput{"movement", deck(kOk9, kOk11, kOk12, "SOIL MOVEMENTS\n1\n1 0 1\n"), 153, "INP00053"},
                      BadInput{"lrfd", deck(kOk9, kOk11, kOk12, "LRFD LOADS\n0\n"), 198, "INP00098"},
                      BadInput{"garbage", std::string("\x7f\x45LF\x02\x01\x01\0\0\0", 10), 124, "INP00024"},
                      BadInput{"truncated", "DROVIP6\nTITLE\nt\n", 133, "INP00033"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
