#include "input/record_reader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "engine/edit_format.h"
#include "engine/messages.h"

namespace drovi {

std::string_view TrimRight(std::string_view s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
}

bool ParseInteger(std::string_view text, int& value) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '+') ++i;
    if (i >= text.size()) return false;
    long long v = 0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last || (text[i] == '-' && i > 0)) return false;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(v);
    return true;
}

bool ParseReal(std::string_view text, double& value) {
    // sign, digits with an optional point, optional exponent E/D with sign
    std::string s;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) s += text[i++];
    std::size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) s += text[i++], ++digits;
    if (i < text.size() && text[i] == '.') {
        s += text[i++];
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) s += text[i++], ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        s += 'E';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) s += text[i++];
        std::size_t expDigits = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) s += text[i++], ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != text.size()) return false;
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

namespace {

std::string cutRecord(std::string line) {
    if (line.size() > kTextRecordLength) line.resize(kTextRecordLength);
    return line;
}

const char* kindText(ValueItem::Kind kind) {
    switch (kind) {
        case ValueItem::Kind::Integer:
            return "a whole number";
        case ValueItem::Kind::Real:
            return "a number";
        default:
            return "a text";
    }
}

}  // namespace

bool RecordReader::textOrEnd(std::string& line) {
    if (!run_.input.readRecord(line)) return false;
    line = cutRecord(std::move(line));
    record_ = line;
    return true;
}

bool RecordReader::text(std::string& line, const char* expecting) {
    if (textOrEnd(line)) return true;
    endOfFile(expecting);
    return false;
}

void RecordReader::tokenize() {
    tokens_.clear();
    next_ = 0;
    slash_ = false;
    const std::string& s = record_;
    std::size_t i = 0;
    bool afterValue = false;  // a comma right after a value only separates
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < s.size()) {
        while (i < s.size() && isBlank(s[i])) ++i;
        if (i >= s.size()) break;
        const char c = s[i];
        if (c == ',') {
            if (!afterValue) tokens_.push_back(Token{"", true, false});
            afterValue = false;
            ++i;
            continue;
        }
        if (c == '/') {
            slash_ = true;
            break;
        }
        Token t;
        if (c == '\'' || c == '"') {
            t.quoted = true;
            ++i;
            while (i < s.size()) {
                if (s[i] == c) {
                    if (i + 1 < s.size() && s[i + 1] == c) {  // doubled quote
                        t.text += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                t.text += s[i++];
            }
            tokens_.push_back(t);
        } else {
            const std::size_t start = i;
            while (i < s.size() && !isBlank(s[i]) && s[i] != ',' && s[i] != '/') ++i;
            t.text = s.substr(start, i - start);
            // r*v: v repeated r times (r* alone: r null values).
            const auto star = t.text.find('*');
            int repeat = 0;
            if (star != std::string::npos && star > 0 && ParseInteger(t.text.substr(0, star), repeat) && repeat > 0 &&
                repeat <= kMaxBars) {
                const std::string v = t.text.substr(star + 1);
                for (int k = 0; k < repeat; ++k) tokens_.push_back(Token{v, v.empty(), false});
            } else {
                tokens_.push_back(t);
            }
        }
        afterValue = true;
    }
}

bool RecordReader::nextToken(Token& token, bool& endOfList, const ValueItem& item) {
    endOfList = false;
    for (;;) {
        if (next_ < tokens_.size()) {
            token = tokens_[next_++];
            return true;
        }
        if (slash_) {
            endOfList = true;
            return true;
        }
        std::string line;
        if (!run_.input.readRecord(line)) {
            std::string expecting = std::string(item.what) + " (" + kindText(item.kind) + ")";
            endOfFile(expecting.c_str());
            return false;
        }
        record_ = cutRecord(std::move(line));
        tokenize();
    }
}

bool RecordReader::values(std::initializer_list<ValueItem> items) {
    // Every value record starts on a new line.
    tokens_.clear();
    next_ = 0;
    slash_ = false;
    for (const ValueItem& item : items) {
        Token token;
        bool endOfList = false;
        if (!nextToken(token, endOfList, item)) return false;
        if (endOfList) break;
        if (token.null) continue;
        switch (item.kind) {
            case ValueItem::Kind::Integer:
                if (token.quoted || !ParseInteger(token.text, *static_cast<int*>(item.target))) {
                    unreadableValue(std::string(item.what) + " (" + kindText(item.kind) + ")", token.text);
                    return false;
                }
                break;
            case ValueItem::Kind::Real:
                if (token.quoted || !ParseReal(token.text, *static_cast<double*>(item.target))) {
                    unreadableValue(std::string(item.what) + " (" + kindText(item.kind) + ")", token.text);
                    return false;
                }
                break;
            case ValueItem::Kind::Text: {
                auto& s = *static_cast<std::string*>(item.target);
                s = token.text.substr(0, item.maxLength);
                break;
            }
            case ValueItem::Kind::Label:
                break;
        }
    }
    tokens_.clear();
    next_ = 0;
    return true;
}

void RecordReader::unreadableValue(const std::string& what, const std::string& token) {
    WriteMessage(run_, MessageTo::ReportThenLog,
                 {"", "**** Input Data Error No. 32 ****", "",
                  "Problem:  Line " + edit::I0(lineNumber()) + " of the input data file, in section " + section_ +
                      ", should give",
                  "          the " + what + ", but \"" + token + "\" was found:", "          " + record_,
                  "Solution: Correct this value in the input data file.", ""});
    run_.terminate(ErrorCode::Input(kErrorUnreadableValue));
}

void RecordReader::endOfFile(const char* expecting) {
    WriteMessage(run_, MessageTo::ReportThenLog,
                 {"", "**** Input Data Error No. 33 ****", "",
                  "Problem:  The input data file ends after line " + edit::I0(lineNumber()) +
                      (section_.empty() ? std::string() : ", in section " + section_ + ","),
                  "          where " + std::string(expecting) + " was expected.",
                  "Solution: Complete the input data file; its last line must be END.", ""});
    run_.terminate(ErrorCode::Input(kErrorEndOfFile));
}

void RecordReader::countOutOfRange(const char* what, long long count, int lo, int hi) {
    WriteMessage(run_, MessageTo::ReportThenLog,
                 {"", "**** Input Data Error No. 34 ****", "",
                  "Problem:  The number of " + std::string(what) + " on line " + edit::I0(lineNumber()) + " (section " +
                      section_ + ") is " + edit::I0(count) + ".",
                  "          It must be between " + edit::I0(lo) + " and " + edit::I0(hi) + ".",
                  "Solution: Correct the number in the input data file.", ""});
    run_.terminate(ErrorCode::Input(kErrorCountOutOfRange));
}

}  // namespace drovi
