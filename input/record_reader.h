// Records of the input file as the readers see them.
//
// Text records (headings, keywords, titles, names) are the whole line, cut
// at 256 characters, compared without their trailing blanks.
// Value records are free-format: values separated by blanks or commas; a
// record with more values than asked has the rest ignored, one with fewer
// continues on the next line; "/" ends the list leaving the remaining items
// as they are; ",," is a null value (item unchanged); "r*v" repeats v r times.
//
// Every failure (a token that is not the number asked for, the end of the
// file before "END") ends the run with a numbered input error that names
// the line and what was expected there; the caller then returns.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run.h"

namespace drovi {

// Input errors of the readers for faults the input format has no message of
// its own for.
inline constexpr int kErrorUnreadableValue = 32;
inline constexpr int kErrorEndOfFile = 33;
inline constexpr int kErrorCountOutOfRange = 34;

// One item of a value record.
struct ValueItem {
    enum class Kind { Integer, Real, Text, Label };
    Kind kind;
    void* target;
    const char* what;  // for messages: "number of sections"
    std::size_t maxLength = 0;  // Text: tokens are cut to this length

    static ValueItem Int(int& v, const char* what) { return {Kind::Integer, &v, what}; }
    static ValueItem Real(double& v, const char* what) { return {Kind::Real, &v, what}; }
    static ValueItem Text(std::string& v, std::size_t maxLength, const char* what) {
        return {Kind::Text, &v, what, maxLength};
    }
    // A leading label or running number that is read and not used.
    static ValueItem Skip(const char* what = "a label") { return {Kind::Label, nullptr, what}; }
};

class RecordReader {
public:
    explicit RecordReader(Run& run) : run_(run) {}

    // The heading of the section being read, named in messages.
    void setSection(std::string_view heading) { section_ = heading; }
    const std::string& section() const { return section_; }

    // A text record, cut at 256 characters. At the end of the file the run
    // ends with an input error and false is returned.
    bool text(std::string& line, const char* expecting);
    // A text record that may be missing: false at the end of the file, with
    // no error.
    bool textOrEnd(std::string& line);

    // One value record with the items in order.
    bool values(std::initializer_list<ValueItem> items);

    // The line number of the last record read.
    int lineNumber() const { return run_.input.recordNumber(); }
    // The last record read, as read.
    const std::string& lastRecord() const { return record_; }

    // Ends the run: the last record should give `what` but holds `token`.
    void unreadableValue(const std::string& what, const std::string& token);
    // Ends the run: `count` of `what` lies outside lo..hi.
    void countOutOfRange(const char* what, long long count, int lo, int hi);

    Run& run() { return run_; }

private:
    struct Token {
        std::string text;
        bool null = false;
        bool quoted = false;
    };
    bool nextToken(Token& token, bool& endOfList, const ValueItem& item);
    void tokenize();
    void endOfFile(const char* expecting);

    Run& run_;
    std::string section_;
    std::string record_;
    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    bool slash_ = false;
};

// A text record without its trailing blanks.
std::string_view TrimRight(std::string_view s);

// Parses a number the way free-format input reads it; false when the text
// is not one (letters, a point in an integer, out of range, NaN, infinity).
bool ParseInteger(std::string_view text, int& value);
bool ParseReal(std::string_view text, double& value);

}  // namespace drovi
