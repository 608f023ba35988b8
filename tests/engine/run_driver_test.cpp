#include "engine/run_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "engine/report_head.h"
#include "engine/run.h"
#include "support/temp_dir.h"

namespace drovi {
namespace {

const LocalTime kNoon{2026, 12, 11, 9, 5, 3};

class RunDriverTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    FixedEnvironment env{dir.path().string(), kNoon};

    void names(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& l : lines) text += l + "\n";
        dir.write("NAMES.DAT", text);
    }
    void standardNames() { names({"pile.inp", "pile.out", "pile.plt", "pile.msg", "A. Engineer", "Firm"}); }
};

TEST_F(RunDriverTest, MissingNamesFileIsRuntimeError2) {
    EXPECT_EQ(RunAnalysis(env), 202);
    EXPECT_FALSE(dir.exists("pile.out"));
}

TEST_F(RunDriverTest, UnreadableNamesLineGivesItsOwnError) {
    const std::vector<std::string> all = {"pile.inp", "pile.out", "pile.plt", "pile.msg", "user", "company"};
    for (int kept = 0; kept < 6; ++kept) {
        names({all.begin(), all.begin() + kept});
        EXPECT_EQ(RunAnalysis(env), 203 + kept) << kept << " lines";
        EXPECT_FALSE(dir.exists("pile.out"));
    }
}

TEST_F(RunDriverTest, BlankFileNameIsRuntimeError17) {
    for (int blank = 0; blank < 4; ++blank) {
        std::vector<std::string> lines = {"pile.inp", "pile.out", "pile.plt", "pile.msg", "", ""};
        lines[blank] = "     ";
        names(lines);
        dir.write("pile.inp", "DROVIP6\n");
        EXPECT_EQ(RunAnalysis(env), 217) << "line " << blank + 1;
        EXPECT_FALSE(dir.exists("pile.out"));
    }
}

TEST_F(RunDriverTest, EmptyInputIsInputError25) {
    standardNames();
    dir.write("pile.inp", "");
    EXPECT_EQ(RunAnalysis(env), 125);
    EXPECT_EQ(dir.read("pile.out"),
              "\n\nDrovi ended prematurely due to input error number INP00025\n"
              "\n**** Input Data Error No. 25 ****\n\n"
              "Length of input file is 0 bytes.  No analysis can be performed.\n"
              "\nThe analysis ended due to an input error. \n\n");
    EXPECT_EQ(dir.read("pile.msg"),
              "\n\n**** Input Data Error No. 25 ****\n\n"
              "Size of input data file is 0 bytes.  No analysis performed.\n\n"
              "\nThe analysis ended due to an input error. \n\n");
    EXPECT_EQ(dir.read("pile.plt"), "");
}

TEST_F(RunDriverTest, MissingInputFileIsRuntimeError18) {
    standardNames();
    EXPECT_EQ(RunAnalysis(env), 218);
    EXPECT_FALSE(dir.exists("pile.out"));
}

TEST_F(RunDriverTest, OutputNamedLikeTheInputIsRefused) {
    names({"pile.inp", "./pile.inp", "pile.plt", "pile.msg", "", ""});
    dir.write("pile.inp", "DROVIP6\nTITLE\n");
    EXPECT_EQ(RunAnalysis(env), 219);
    EXPECT_EQ(dir.read("pile.inp"), "DROVIP6\nTITLE\n");

    names({"pile.inp", "pile.out", "pile.out", "pile.msg", "", ""});
    EXPECT_EQ(RunAnalysis(env), 219);
    EXPECT_FALSE(dir.exists("pile.out"));
}

TEST_F(RunDriverTest, UnsupportedFormatEndsWithInputError) {
    standardNames();
    dir.write("pile.inp", "DROVIP5\n1\n");
    EXPECT_EQ(RunAnalysis(env), 124);
    const std::string report = dir.read("pile.out");
    EXPECT_NE(report.find("**** Input Data Error No. 24 ****"), std::string::npos);
    EXPECT_NE(report.find("Drovi ended prematurely due to input error number INP00024"), std::string::npos);
    EXPECT_NE(dir.read("pile.msg").find("The analysis ended due to an input error. "), std::string::npos);
}

TEST_F(RunDriverTest, RunsSideBySideInOneProcess) {
    testing::TempDir other;
    FixedEnvironment otherEnv{other.path().string(), kNoon};
    standardNames();
    dir.write("pile.inp", "");
    int first = 0;
    int second = 0;
    std::thread a([&] { first = RunAnalysis(env); });
    std::thread b([&] { second = RunAnalysis(otherEnv); });
    a.join();
    b.join();
    EXPECT_EQ(first, 125);
    EXPECT_EQ(second, 202);
}

TEST(ReportHead, NamesFilesWithoutDirectoriesAndDatesTheRun) {
    testing::TempDir dir;
    FixedEnvironment env{"/projects/bridge", kNoon};
    drovi::Run run(env);
    run.workingDirectory = env.workingDirectory();
    run.files = {"input/pier3.inp", "/tmp/out/pier3.out", "pier3.plt", "../logs/pier3.msg", "A. Engineer", "Firm"};
    ASSERT_TRUE(run.report.open(dir.file("head")));
    WriteReportHead(run);
    run.report.close();
    const std::string head = dir.read("head");
    const std::string dashes(80, '-');
    const std::string expectedFiles = dashes + "\n" + std::string(28, ' ') + "Files Used for Analysis\n" + dashes +
                                      "\n\n"
                                      "Path to file locations:        /projects/bridge/input/\n"
                                      "Name of input data file:       pier3.inp\n"
                                      "Name of output report file:    pier3.out\n"
                                      "Name of plot output file:      pier3.plt\n"
                                      "Name of runtime messeage file: pier3.msg\n\n";
    EXPECT_NE(head.find(expectedFiles), std::string::npos) << head;
    const std::string expectedDate = dashes + "\n" + std::string(27, ' ') + "Date and Time of Analysis\n" + dashes +
                                     "\n\n" + std::string(15, ' ') +
                                     "Date:  December 11, 2026     Time:   9:05:03\n";
    EXPECT_TRUE(head.size() >= expectedDate.size() &&
                head.compare(head.size() - expectedDate.size(), expectedDate.size(), expectedDate) == 0)
        << head;
    EXPECT_EQ(head.rfind(std::string(80, '=') + "\n\n" + std::string(15, ' ') +
                             "    Drovi Plus for Windows, Version 6 (6.0.23)\n",
                         0),
              0u);
    EXPECT_NE(head.find("A. Engineer"), std::string::npos);
}

TEST(ReportHead, UnresolvablePathPrintsBlank) {
    const auto parts = ResolvePath("", "relative/pile.inp");
    EXPECT_FALSE(parts.resolved);
    EXPECT_EQ(parts.directory + parts.name + parts.extension, "");
}

}  // namespace
}  // namespace drovi
