#include "input/record_reader.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace drovi {
namespace {

TEST(ParseNumbers, FreeFormatSyntax) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case reals[] = {
        {"12", true, 12.0},       {"-1.5", true, -1.5},   {"+.5", true, 0.5},     {"5.", true, 5.0},
        {"1.0E-5", true, 1e-5},   {"2.5d3", true, 2500.}, {"1e+2", true, 100.0},  {"abc", false, 0},
        {"1.5x", false, 0},       {"", false, 0},         {".", false, 0},        {"1e", false, 0},
        {"nan", false, 0},        {"inf", false, 0},      {"1e999", false, 0},    {"--1", false, 0},
    };
    for (const auto& c : reals) {
        double v = 0.0;
        EXPECT_EQ(ParseReal(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    const std::pair<const char*, bool> ints[] = {{"40", true},    {"-3", true},        {"+7", true},
                                                 {"40.0", false}, {"4e1", false},      {"x", false},
                                                 {"+-1", false},  {"99999999999", false}};
    for (const auto& [text, ok] : ints) {
        int v = 0;
        EXPECT_EQ(ParseInteger(text, v), ok) << text;
    }
}

class ValueRecordTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    FixedEnvironment env{dir.path().string(), LocalTime{}};
    drovi::Run run{env};
    RecordReader in{run};
    void SetUp() override { run.report.open(dir.file("report")); }
};

TEST_F(ValueRecordTest, ContinuesOnNextLineAndIgnoresTheRest) {
    run.input.assign("1, 2.5\n3 extra words\n7\n");
    int a = 0, c = 0;
    double b = 0.0;
    ASSERT_TRUE(in.values({ValueItem::Int(a, "a"), ValueItem::Real(b, "b"), ValueItem::Int(c, "c")}));
    EXPECT_EQ(a, 1);
    EXPECT_DOUBLE_EQ(b, 2.5);
    EXPECT_EQ(c, 3);
    ASSERT_TRUE(in.values({ValueItem::Int(a, "a")}));  // a new record, not "extra"
    EXPECT_EQ(a, 7);
}

TEST_F(ValueRecordTest, NullsSlashRepeatsAndQuotes) {
    run.input.assign("5,,6\n1 / 9\n3*2.5\n'two words', x\n");
    int a = -1, b = -1, c = -1;
    ASSERT_TRUE(in.values({ValueItem::Int(a, "a"), ValueItem::Int(b, "b"), ValueItem::Int(c, "c")}));
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, -1);  // null value leaves it
    EXPECT_EQ(c, 6);
    a = b = -1;
    ASSERT_TRUE(in.values({ValueItem::Int(a, "a"), ValueItem::Int(b, "b")}));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, -1);  // "/" ends the list
    double x = 0, y = 0, z = 0;
    ASSERT_TRUE(in.values({ValueItem::Real(x, "x"), ValueItem::Real(y, "y"), ValueItem::Real(z, "z")}));
    EXPECT_DOUBLE_EQ(x + y + z, 7.5);
    std::string s;
    ASSERT_TRUE(in.values({ValueItem::Text(s, 5, "text")}));
    EXPECT_EQ(s, "two w");
}

TEST_F(ValueRecordTest, LetterWhereNumberIsDueNamesLineAndValue) {
    run.input.assign("10\nabc\n");
    in.setSection("SECTIONS");
    int n = 0;
    ASSERT_TRUE(in.values({ValueItem::Int(n, "n")}));
    double length = 0.0;
    EXPECT_FALSE(in.values({ValueItem::Real(length, "section length")}));
    EXPECT_EQ(run.status.value(), 132);
    run.report.close();
    const std::string report = dir.read("report");
    EXPECT_NE(report.find("Line 2 of the input data file, in section SECTIONS"), std::string::npos) << report;
    EXPECT_NE(report.find("the section length (a number), but \"abc\" was found"), std::string::npos) << report;
}

TEST_F(ValueRecordTest, EndOfFileIsAnInputError) {
    run.input.assign("1 2\n");
    int a = 0, b = 0, c = 0;
    EXPECT_FALSE(in.values({ValueItem::Int(a, "a"), ValueItem::Int(b, "b"), ValueItem::Int(c, "count of things")}));
    EXPECT_EQ(run.status.value(), 133);
    run.report.close();
    EXPECT_NE(dir.read("report").find("where count of things (a whole number) was expected"), std::string::npos);
}

TEST_F(ValueRecordTest, TextRecordsAreCutAt256) {
    run.input.assign(std::string(300, 'x') + "\n");
    std::string line;
    ASSERT_TRUE(in.text(line, "a title"));
    EXPECT_EQ(line.size(), 256u);
}

}  // namespace
}  // namespace drovi
