// Fortran-style edit descriptors for every report, plot and message writer.
//
// Each function returns exactly the characters the descriptor produces:
//   I(v, w)      Iw     integer right-justified in w columns
//   I0(v)        I0     integer in as few columns as it needs
//   F(x, w, d)   Fw.d   fixed notation, "0" before the point when it fits
//                F0.d   (w = 0) as few columns as needed
//   E(x, w, d)   Ew.d   0.dddd E+xx   (E12.4 of 12.5 is "  0.1250E+02")
//   ES(x, w, d)  ESw.d  d.dddd E+xx   (ES15.7 of 12.5 is "  1.2500000E+01")
//   A(s, w)      Aw     text right-justified in w columns, or its first w
// Values are rounded to nearest on their exact binary value (ties to even,
// as the Fortran runtime does); a value too wide for its field prints as w
// asterisks; NaN prints "NaN" and infinities "Infinity"/"Inf" right-justified.
#pragma once

#include <string>
#include <string_view>

namespace drovi::edit {

std::string I(long long value, int w);
std::string I0(long long value);
std::string F(double x, int w, int d);
std::string E(double x, int w, int d);
std::string ES(double x, int w, int d);
std::string A(std::string_view text, int w);

// x with d decimals and no padding, for numbers inside message sentences
// ("0.5000", "-12.25").
std::string Decimal(double x, int d);

// One output record under construction, for the Tc and TRn positioning
// descriptors: text is placed at the current column, which tab() moves.
class Record {
public:
    Record& put(std::string_view text);
    Record& tab(int column);    // Tc: next character goes to column c (1-based)
    Record& skip(int n);        // TRn / nX: move n columns right
    const std::string& str() const { return text_; }
    int column() const { return pos_ + 1; }

private:
    std::string text_;
    std::size_t pos_ = 0;
};

}  // namespace drovi::edit
