#include "input/bar_layouts.h"

#include <cmath>

namespace drovi {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfRootThree = 0.8660254037844386;
constexpr double kLargestBarDiameter = 100.0;  // larger entries are taken as 0

void clearPositions(PileSection& s) {
    s.barX.fill(0.0);
    s.barY.fill(0.0);
}

}  // namespace

bool LayoutCircle(PileSection& s, double D, double c, double d, int n, int m) {
    if (std::fabs(d) > kLargestBarDiameter) d = 0.0;
    if (D <= 0.0 || D < d || c <= 0.0 || n < 1 || n > kMaxBars || m < 1 || m > 3 || n * m > kMaxBars) return false;
    const double R = (D - d) / 2.0 - c;
    const bool needsRadius = n > 1 || m == 3;
    if (needsRadius && R <= 0.0) return false;
    clearPositions(s);
    if (n == 1 && m == 1) return true;  // one bar at the centre
    if (n == 1 && m == 2) {
        s.barX[1] = -d / 2.0;
        s.barX[2] = d / 2.0;
        return true;
    }
    const double delta = d / R;
    const double w = 2.0 * kPi / n;
    for (int k = 0; k < n; ++k) {
        const double theta = k * w;
        if (m == 1) {
            s.barX[k + 1] = R * std::cos(theta);
            s.barY[k + 1] = R * std::sin(theta);
            continue;
        }
        const int first = m * k + 1;
        s.barX[first] = R * std::cos(theta - delta / 2.0);
        s.barY[first] = R * std::sin(theta - delta / 2.0);
        s.barX[first + 1] = R * std::cos(theta + delta / 2.0);
        s.barY[first + 1] = R * std::sin(theta + delta / 2.0);
        if (m == 3) {
            const double inner = R - d * kHalfRootThree;
            s.barX[first + 2] = inner * std::cos(theta);
            s.barY[first + 2] = inner * std::sin(theta);
        }
    }
    return true;
}

bool LayoutSquare(PileSection& s, double W, double c, double d, int n, int pattern) {
    if (n < 1 || n > kMaxBars) return false;
    const double a = (W - d) / 2.0 - c;
    const int m = (n % 2 == 0) ? n : n - 1;  // strands on the perimeter
    clearPositions(s);
    if (pattern == 2 && m < 4) return true;  // all at the centre
    if (m > 0 && a <= 0.0) return false;
    if (m < 4) {
        // Pattern 1 with two strands: opposite corners.
        if (m == 2) {
            s.barX[1] = -a;
            s.barY[1] = -a;
            s.barX[2] = a;
            s.barY[2] = a;
        }
        return true;  // an odd strand stays at the centre
    }
    const int b = m / 4;
    int t = b + 1;
    int sides = b - 1;
    if (m % 4 == 2) {
        if (pattern == 1)
            t = b + 2;
        else
            sides = b;
    }
    int k = 1;
    const double along = 2.0 * a / (t - 1);
    const double up = 2.0 * a / (sides + 1);
    for (int i = 0; i < t; ++i, ++k) {  // bottom, left to right
        s.barX[k] = -a + i * along;
        s.barY[k] = -a;
    }
    for (int i = 1; i <= sides; ++i, ++k) {  // right side, upward
        s.barX[k] = a;
        s.barY[k] = -a + i * up;
    }
    for (int i = 0; i < t; ++i, ++k) {  // top, right to left
        s.barX[k] = a - i * along;
        s.barY[k] = a;
    }
    for (int i = 1; i <= sides; ++i, ++k) {  // left side, downward
        s.barX[k] = -a;
        s.barY[k] = a - i * up;
    }
    return true;
}

}  // namespace drovi
