#include "engine/edit_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace drovi::edit {
namespace {

std::string stars(int w) { return std::string(w > 0 ? w : 0, '*'); }

std::string rightJustify(const std::string& s, int w) {
    if (static_cast<int>(s.size()) > w) return stars(w);
    return std::string(w - s.size(), ' ') + s;
}

// NaN and infinities, shared by F, E and ES.
std::string nonFinite(double x, int w) {
    if (std::isnan(x)) return rightJustify("NaN", w);
    const bool neg = std::signbit(x);
    // The long form needs one more column for the sign of -Infinity.
    if (w >= (neg ? 9 : 8)) return rightJustify(neg ? "-Infinity" : "Infinity", w);
    return rightJustify(neg ? "-Inf" : "Inf", w);
}

}  // namespace

std::string I(long long value, int w) {
    if (w <= 0) return I0(value);
    return rightJustify(std::to_string(value), w);
}

std::string I0(long long value) { return std::to_string(value); }

std::string F(double x, int w, int d) {
    if (!std::isfinite(x)) return nonFinite(x, w);
    // %.*f rounds the exact binary value to nearest, ties to even; the
    // longest finite double needs 309 integer digits.
    char buf[400];
    std::snprintf(buf, sizeof buf, "%#.*f", d, std::fabs(x));  // "#": keep the point when d = 0
    std::string digits(buf);
    // A negative value keeps its sign even when it rounds to zero ("-0.000").
    const bool neg = std::signbit(x);
    if (w == 0) {  // F0.d: as few columns as needed, without the optional zero
        if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
        return (neg ? "-" : "") + digits;
    }
    const int need = static_cast<int>(digits.size()) + (neg ? 1 : 0);
    if (need > w) {
        // The optional zero before the point is dropped before giving up.
        if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.' && need - 1 <= w) {
            digits.erase(0, 1);
        } else {
            return stars(w);
        }
    }
    return rightJustify((neg ? "-" : "") + digits, w);
}

namespace {

// Mantissa digits (without point) and decimal exponent of |x| rounded to
// `sig` significant digits, for x finite; zero gives exponent 0.
void significantDigits(double x, int sig, std::string& digits, int& exponent) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", sig - 1, std::fabs(x));
    // buf is "d.ddddde+xx" (or "de+xx" when sig == 1).
    std::string s(buf);
    const auto ePos = s.find('e');
    digits.clear();
    for (std::size_t i = 0; i < ePos; ++i)
        if (s[i] != '.') digits.push_back(s[i]);
    exponent = std::atoi(s.c_str() + ePos + 1);
}

// Exponent field: "E+dd" up to 99, "+ddd" up to 999.
std::string exponentField(int e) {
    char buf[16];
    if (std::abs(e) <= 99)
        std::snprintf(buf, sizeof buf, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
    else
        std::snprintf(buf, sizeof buf, "%c%03d", e < 0 ? '-' : '+', std::abs(e));
    return buf;
}

}  // namespace

std::string E(double x, int w, int d) {
    if (!std::isfinite(x)) return nonFinite(x, w);
    std::string digits;
    int exponent = 0;
    significantDigits(x, d, digits, exponent);
    // 0.d1d2... x 10^(e+1)
    const int e = (x == 0.0) ? 0 : exponent + 1;
    if (std::abs(e) > 999) return stars(w);
    const bool neg = std::signbit(x);
    std::string body = "." + digits + exponentField(e);
    std::string withZero = "0" + body;
    const int sign = neg ? 1 : 0;
    if (static_cast<int>(withZero.size()) + sign <= w) body = withZero;
    return rightJustify((neg ? "-" : "") + body, w);
}

std::string ES(double x, int w, int d) {
    if (!std::isfinite(x)) return nonFinite(x, w);
    std::string digits;
    int exponent = 0;
    significantDigits(x, d + 1, digits, exponent);
    if (x == 0.0) exponent = 0;
    if (std::abs(exponent) > 999) return stars(w);
    std::string body = digits.substr(0, 1) + "." + digits.substr(1) + exponentField(exponent);
    return rightJustify((std::signbit(x) ? "-" : "") + body, w);
}

std::string A(std::string_view text, int w) {
    if (static_cast<int>(text.size()) >= w) return std::string(text.substr(0, w));
    return std::string(w - text.size(), ' ') + std::string(text);
}

std::string Decimal(double x, int d) {
    std::string s = F(x, 40, d);
    return s.substr(s.find_first_not_of(' '));
}

Record& Record::put(std::string_view text) {
    if (pos_ > text_.size()) text_.resize(pos_, ' ');
    text_.replace(pos_, std::min(text.size(), text_.size() - pos_), text);
    pos_ += text.size();
    return *this;
}

Record& Record::tab(int column) {
    pos_ = column > 1 ? static_cast<std::size_t>(column - 1) : 0;
    if (pos_ > text_.size()) text_.resize(pos_, ' ');
    return *this;
}

Record& Record::skip(int n) {
    pos_ += n > 0 ? static_cast<std::size_t>(n) : 0;
    if (pos_ > text_.size()) text_.resize(pos_, ' ');
    return *this;
}

}  // namespace drovi::edit
