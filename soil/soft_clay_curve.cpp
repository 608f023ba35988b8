#include "soil/soft_clay_curve.h"

#include <algorithm>
#include <cmath>

#include "soil/soil_state.h"

namespace drovi {
namespace {

constexpr double f(float v) { return static_cast<double>(v); }

constexpr double kOneThird = f(1.0f / 3.0f);         // 0.33333334
constexpr double kLinearLimit = f(0.00001f);         // 9.9999997e-6 y50
constexpr double kEslimNumerator = 0.0107721724;     // 0.5 * 0.00001^(1/3)
constexpr double kEslimDenominator = f(0.00003f);    // 0.000029999999
constexpr double kCyclicPlateau = f(0.72112477f);    // 0.5 * 3^(1/3)
constexpr double kBearingLimit = 9.0;

}  // namespace

double SoftClayCurve::Eslim() const { return pu * kEslimNumerator / (kEslimDenominator * y50); }

double SoftClayCurve::linearLimit() const { return kLinearLimit * y50; }

double SoftClayCurve::p(double y) const {
    if (y < linearLimit()) return Eslim() * y;
    const double power = 0.5 * pu * std::pow(y / y50, kOneThird);
    if (y <= 3.0 * y50) return power;
    if (!cyclic) return y < 8.0 * y50 ? power : pu;  // pu itself at 8 y50
    if (zeq >= Xr) return S;
    if (y > 15.0 * y50) return R;
    return S + (R - S) * (y - 3.0 * y50) / (12.0 * y50);
}

double SoftClayBearingFactor(const SoftClayInput& in) {
    return 3.0 + in.gamma * in.z / in.c + kMatlockJ * in.z / in.b;
}

double SoftClayTransitionDepth(const SoftClayInput& in) {
    return std::max(2.5 * in.b, 6.0 * in.b * in.c / (in.gamma * in.b + kMatlockJ * in.c));
}

SoftClayCurve MakeSoftClayCurve(const SoftClayInput& in) {
    SoftClayCurve k;
    k.cyclic = in.cyclic;
    k.zeq = in.zeq;
    k.Xr = SoftClayTransitionDepth(in);
    k.y50 = 2.5 * in.eps50 * in.b;
    const double Np = SoftClayBearingFactor(in) * in.slopeFactor;
    k.pu = Np < kBearingLimit ? in.c * in.b * Np : kBearingLimit * in.c * in.b;
    k.S = kCyclicPlateau * k.pu;
    k.R = k.zeq * k.S / k.Xr;
    return k;
}

}  // namespace drovi
