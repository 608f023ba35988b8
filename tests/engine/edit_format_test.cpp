#include "engine/edit_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace drovi::edit {
namespace {

struct OracleCase {
    const char* descriptor;  // "F8.3", "E12.4", "ES15.7", "I5", "I0", "CELL12"
    const char* value;
    const char* expected;
};

// Strings the Fortran runtime printed for each descriptor and value.
const OracleCase kOracle[] = {
#include "edit_format_table.inc"
};

struct Descriptor {
    std::string kind;
    int w = 0;
    int d = 0;
};

Descriptor parse(const std::string& text) {
    Descriptor d;
    std::size_t i = 0;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) d.kind += text[i++];
    d.w = std::atoi(text.c_str() + i);
    if (auto dot = text.find('.'); dot != std::string::npos) d.d = std::atoi(text.c_str() + dot + 1);
    return d;
}

TEST(EditFormat, MatchesFortranRuntime) {
    int checked = 0;
    for (const auto& c : kOracle) {
        const Descriptor d = parse(c.descriptor);
        std::string got;
        if (d.kind == "F") {
            got = F(std::strtod(c.value, nullptr), d.w, d.d);
        } else if (d.kind == "E") {
            got = E(std::strtod(c.value, nullptr), d.w, d.d);
        } else if (d.kind == "ES") {
            got = ES(std::strtod(c.value, nullptr), d.w, d.d);
        } else if (d.kind == "I") {
            got = d.w == 0 ? I0(std::atoll(c.value)) : I(std::atoll(c.value), d.w);
        } else {
            continue;  // report cells: cells_test
        }
        ++checked;
        EXPECT_EQ(got, c.expected) << c.descriptor << " of " << c.value;
    }
    EXPECT_GT(checked, 1500);
}

TEST(EditFormat, DocumentedExamples) {
    EXPECT_EQ(E(12.5, 12, 4), "  0.1250E+02");
    EXPECT_EQ(ES(12.5, 15, 7), "  1.2500000E+01");
    EXPECT_EQ(F(-0.0001, 6, 3), "-0.000");
    EXPECT_EQ(F(123.0, 5, 0), " 123.");
    EXPECT_EQ(I(123456, 5), "*****");
}

TEST(EditFormat, TextFields) {
    EXPECT_EQ(A("ab", 5), "   ab");
    EXPECT_EQ(A("abcdef", 2), "ab");
    EXPECT_EQ(A("abc", 3), "abc");
}

TEST(EditRecord, PositionsByColumn) {
    Record r;
    r.put(I(3, 5)).skip(2).put("x");
    EXPECT_EQ(r.str(), "    3  x");
    r.tab(12).put("label");
    EXPECT_EQ(r.str(), "    3  x   label");
    EXPECT_EQ(r.column(), 17);
    // Tc to the left overwrites what is there.
    r.tab(1).put("ab");
    EXPECT_EQ(r.str(), "ab  3  x   label");
}

}  // namespace
}  // namespace drovi::edit
