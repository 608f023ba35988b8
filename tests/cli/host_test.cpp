#include "cli/host.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "support/temp_dir.h"

namespace drovi::host {
namespace {

TEST(HostArguments, ParsesOptionsAndInput) {
    std::string error;
    auto o = ParseArguments({"--work-dir", "/tmp/w", "--force", "pile.inp", "--user", "Ann"}, error);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->input, "pile.inp");
    EXPECT_EQ(o->workDir, "/tmp/w");
    EXPECT_EQ(o->user, "Ann");
    EXPECT_TRUE(o->force);
    EXPECT_FALSE(o->keepNames);
}

TEST(HostArguments, RejectsUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {}, {"--work-dir"}, {"--frobnicate", "a.inp"}, {"a.inp", "b.inp"}};
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(ParseArguments(args, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(HostStatus, ExplainsEveryKindOfResult) {
    EXPECT_EQ(DescribeStatus(0), "The analysis ended normally.");
    EXPECT_NE(DescribeStatus(-3041).find("warning 3041"), std::string::npos);
    EXPECT_NE(DescribeStatus(-300).find("more than one kind"), std::string::npos);
    EXPECT_NE(DescribeStatus(125).find("input data error 25"), std::string::npos);
    EXPECT_NE(DescribeStatus(209).find("runtime error 9"), std::string::npos);
    EXPECT_NE(DescribeStatus(99).find("not a number"), std::string::npos);
    EXPECT_EQ(ExitCodeFor(0), 0);
    EXPECT_EQ(ExitCodeFor(-300), 0);
    EXPECT_EQ(ExitCodeFor(125), 1);
}

TEST(HostFiles, NamesOutputsFromTheInputStem) {
    const auto n = OutputNamesFor("/data/pier 3.inp", "/work");
    EXPECT_EQ(n.report, "/work/pier 3.out");
    EXPECT_EQ(n.plot, "/work/pier 3.plt");
    EXPECT_EQ(n.runLog, "/work/pier 3.msg");
}

TEST(HostRun, LeavesAnUnrelatedNamesFileAlone) {
    testing::TempDir dir;
    dir.write("pile.inp", "DROVIP6\n");
    dir.write("NAMES.DAT", "somebody else's\n");
    std::ostringstream out, err;
    EXPECT_EQ(Main({dir.file("pile.inp")}, out, err), 2);
    EXPECT_EQ(dir.read("NAMES.DAT"), "somebody else's\n");
    EXPECT_NE(err.str().find("--force"), std::string::npos);
}

TEST(HostRun, RunsTheEngineAndCleansUp) {
    testing::TempDir dir;
    testing::TempDir work;
    dir.write("pile.inp", "");
    std::ostringstream out, err;
    EXPECT_EQ(Main({"--work-dir", work.path().string(), dir.file("pile.inp")}, out, err), 1);
    EXPECT_FALSE(work.exists("NAMES.DAT"));
    EXPECT_TRUE(work.exists("pile.out"));
    EXPECT_TRUE(work.exists("pile.plt"));
    EXPECT_NE(work.read("pile.msg").find("Input Data Error No. 25"), std::string::npos);
    EXPECT_NE(out.str().find("Status 125: The analysis ended due to input data error 25"), std::string::npos);
    EXPECT_NE(out.str().find(work.file("pile.out")), std::string::npos);
}

}  // namespace
}  // namespace drovi::host

namespace drovi::host {
namespace {

TEST(HostRun, PrintsTheAnswerOfEveryLoadCase) {
    testing::TempDir work;
    std::ostringstream out, err;
    const std::string example = std::string(DROVI_EXAMPLES_DIR) + "/elastic_pile_in_soft_clay.inp";
    ASSERT_EQ(Main({"--work-dir", work.path().string(), example}, out, err), 0) << err.str();
    const RunAnswer answer = ReadRunAnswer(work.file("elastic_pile_in_soft_clay.plt"));
    ASSERT_EQ(answer.cases.size(), 5u);
    EXPECT_EQ(answer.unitSystem, 1);
    // Against the report's own output summary of load case 1.
    const std::string report = work.read("elastic_pile_in_soft_clay.out");
    auto after = [&](const std::string& label) {
        const auto at = report.find(label);
        return std::strtod(report.substr(at + label.size(), 14).c_str(), nullptr);
    };
    const auto& first = answer.cases[0];
    EXPECT_NEAR(first.headDeflection, after("Pile-head deflection             = "), 1e-6);
    EXPECT_NEAR(first.maxMoment, after("Maximum bending moment           = "), 1.0);
    EXPECT_NEAR(first.depthOfMaxMoment, after("Depth of maximum bending moment  = "), 1e-6);
    EXPECT_NE(out.str().find("Load case results:"), std::string::npos);
    EXPECT_NE(out.str().find("Status 0: The analysis ended normally."), std::string::npos);
}

}  // namespace
}  // namespace drovi::host
