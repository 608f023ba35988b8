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
