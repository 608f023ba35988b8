#include "engine/cells.h"

#include <cmath>
#include <string>

#include "engine/channel.h"
#include "engine/edit_format.h"

namespace drovi {
namespace {

constexpr double kZeroCell = 1E-12;     // smaller magnitudes print as 0
constexpr double kTinyFixed = 1E-25;
constexpr double kLargestPlainFixed = 10000.0;

std::string fixedWidth(std::string_view s, std::size_t width) {
    std::string out(s.substr(0, width));
    out.resize(width, ' ');
    return out;
}

float singlePowerOfTen(int n) { return static_cast<float>(std::pow(10.0, n)); }

}  // namespace

std::string RealCell(double x, int W) {
    if (std::isnan(x)) return "  Not-a-Number";
    if (std::fabs(x) < kZeroCell) x = 0.0;
    // Thresholds are powers of ten formed in single precision.
    const double t1 = static_cast<double>(singlePowerOfTen(W - 3) - 1.0f);
    const double t2 = static_cast<double>(singlePowerOfTen(9 - W));
    const double t3 = static_cast<double>(singlePowerOfTen(7 - W));
    const double ax = std::fabs(x);
    const int w = W - 1;
    const int d8 = W > 8 ? W - 8 : 0;
    std::string field;
    if (x == 0.0 || ax < kTinyFixed)
        field = edit::F(x, w, d8);
    else if (ax > t1)
        field = edit::ES(x, w, d8);
    else if (ax > kLargestPlainFixed)
        field = edit::F(x, w, 0);
    else if (ax > t2)
        field = edit::F(x, w, W - 7);
    else if (ax >= t3)
        field = edit::F(x, w, W - 5);
    else
        field = edit::ES(x, w, d8);
    return " " + field;
}

void WriteRealCell(OutputChannel& report, double x, int W) { report.write(RealCell(x, W)); }

void WriteIntCell(OutputChannel& report, long long i, int w) {
    if (w < 1 || w > 16) w = 10;
    report.write(edit::I(i, w));
}

void WriteBlanks(OutputChannel& report, int n) {
    if (n > 0) report.write(std::string(static_cast<std::size_t>(n), ' '));
}

void WriteText8(OutputChannel& report, std::string_view s) {
    report.write(fixedWidth(s, 8));
    report.endLine();
}

void WriteText10(OutputChannel& report, std::string_view s) { report.write(fixedWidth(s, 10)); }

void EndLine(OutputChannel& report) { report.endLine(); }

std::string LabelAt56(std::string label) {
    label.resize(55, ' ');
    return label + "= ";
}

}  // namespace drovi
