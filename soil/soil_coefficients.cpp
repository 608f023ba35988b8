#include "soil/soil_coefficients.h"

#include <cmath>

namespace drovi {
namespace {

constexpr double f(float v) { return static_cast<double>(v); }

constexpr int kSandEntries = 10;
constexpr double kSandRatios[kSandEntries] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
constexpr double kSandTables[4][kSandEntries] = {
    {f(2.83f), f(2.48f), f(2.11f), f(1.76f), f(1.48f), f(1.23f), f(1.06f), f(0.90f), f(0.88f), f(0.88f)},
    {f(2.14f), f(1.83f), f(1.54f), f(1.27f), f(1.05f), f(0.86f), f(0.71f), f(0.53f), f(0.50f), f(0.50f)},
    {f(0.75f), f(0.93f), f(1.07f), f(1.11f), f(1.03f), f(0.98f), f(0.94f), f(0.90f), f(0.88f), f(0.88f)},
    {f(0.53f), f(0.72f), f(0.83f), f(0.86f), f(0.82f), f(0.77f), f(0.70f), f(0.55f), f(0.55f), f(0.55f)},
};

}  // namespace

double sandCoefficientAt(double z, double b, SandTable table) {
    const double* v = kSandTables[static_cast<int>(table)];
    const double r = z / b;
    if (r > kSandRatios[kSandEntries - 1]) return v[kSandEntries - 1];
    int i = 1;
    while (i < kSandEntries - 1 && kSandRatios[i] <= r) ++i;
    return v[i - 1] + (v[i] - v[i - 1]) * (r - kSandRatios[i - 1]) / (kSandRatios[i] - kSandRatios[i - 1]);
}

double stiffClayAs(double a) {
    const double v = f(0.2345f) + f(0.2958796f) * a - f(0.0786111f) * a * a + f(0.0068981f) * a * a * a;
    return (a > f(3.3f) || v > f(0.6f)) ? f(0.6f) : v;
}

double stiffClayAc(double a) {
    const double v = f(0.2f) + f(0.153333f) * a - f(0.075f) * a * a + f(0.011667f) * a * a * a;
    return (a > f(1.5f) || v > f(0.3f)) ? f(0.3f) : v;
}

double ClaySlopeFactor(double theta, double y, ZeroDeflection zero, double cos45) {
    constexpr double kTiny = 1e-20;
    if (std::fabs(theta) <= kTiny) return 1.0;
    int ySign = 0;
    if (y > kTiny)
        ySign = 1;
    else if (y < -kTiny || zero == ZeroDeflection::CountsAsNegative)
        ySign = -1;
    if (ySign == 0) return 1.0;
    const double t = std::fabs(theta);
    const int thetaSign = theta > 0.0 ? 1 : -1;
    if (ySign == thetaSign) return 1.0 / (1.0 + std::tan(t));
    return std::cos(t) * cos45 / std::cos(0.7853981633974483 + t);
}

}  // namespace drovi
