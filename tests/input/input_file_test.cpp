#include "input/input_file.h"

#include <gtest/gtest.h>

namespace drovi {
namespace {

TEST(InputFile, SplitsRecordsAtLineEnds) {
    InputFile f;
    f.assign("one\r\ntwo\n\nlast");
    std::string r;
    const char* expected[] = {"one", "two", "", "last"};
    for (const char* e : expected) {
        ASSERT_TRUE(f.readRecord(r));
        EXPECT_EQ(r, e);
    }
    EXPECT_FALSE(f.readRecord(r));
    EXPECT_EQ(f.recordNumber(), 4);
    f.rewind();
    ASSERT_TRUE(f.readRecord(r));
    EXPECT_EQ(r, "one");
}

TEST(ReadFormatTag, TakesFirstTokenOfSevenCharacters) {
    struct Case {
        const char* file;
        const char* tag;
        const char* nextRecord;  // where the reader continues
    };
    const Case cases[] = {
        {"DROVIP6\nTITLE\n", "DROVIP6", "TITLE"},
        {"DROVIP6 and more\nTITLE\n", "DROVIP6", "TITLE"},
        {"DROVIP6XYZ\nTITLE\n", "DROVIP6", "TITLE"},
        {"  DROVIP5\nx\n", "DROVIP5", "x"},
        {"\n   \nDROVIP6\nTITLE\n", "DROVIP6", "TITLE"},  // blank records are passed over
        {"'DROVIP6'\nTITLE\n", "DROVIP6", "TITLE"},
        {"drovip6\nTITLE\n", "drovip6", "TITLE"},
        {"ABC,DEF\nx\n", "ABC    ", "x"},
        {"   \n\n", "3      ", ""},  // nothing to read
    };
    for (const auto& c : cases) {
        InputFile f;
        f.assign(c.file);
        EXPECT_EQ(ReadFormatTag(f), c.tag) << c.file;
        std::string next;
        f.readRecord(next);
        EXPECT_EQ(next, c.nextRecord) << c.file;
    }
}

}  // namespace
}  // namespace drovi
