#include "soil/sand_curve.h"

#include <algorithm>
#include <cmath>

namespace drovi {
namespace {

constexpr double f(float v) { return static_cast<double>(v); }
constexpr double kQuarterPi = 0.7853981633974483;

}  // namespace

bool defaultSandK(double phi, double gamma, UnitSystem units, double& k) {
    switch (units) {
        case UnitSystem::USCS:
            k = phi <= 40.0 ? f(1.2098290e-7f) * std::pow(phi, f(5.694468f)) : f(160.54745f);
            return true;
        case UnitSystem::SI:
            if (gamma <= f(12.225f))
                k = phi <= 40.0 ? f(3.2840464e-5f) * std::pow(phi, f(5.694468f)) : f(43580.148f);
            else
                k = phi <= 40.0 ? f(4.1417488e-6f) * std::pow(phi, f(6.416118f)) : f(78739.008f);
            return true;
        default:
            k = 0.0;
            return false;
    }
}

SandAngles MakeSandAngles(double phi, double K0) {
    SandAngles s;
    s.phi = phi;
    s.alpha = phi / 2.0;
    s.beta = kQuarterPi + phi / 2.0;
    s.K0 = K0;
    s.Ka = std::pow(std::tan(kQuarterPi - phi / 2.0), 2);
    s.Kp = std::pow(std::tan(s.beta), 2);
    return s;
}

double SandWedgeResistance(const SandAngles& s, double g, double z, double b, double F, double G) {
    const double tp = std::tan(s.phi), tb = std::tan(s.beta), ta = std::tan(s.alpha);
    const double tbp = std::tan(s.beta - s.phi);
    return g * z *
           (G * s.K0 * z * tp * std::sin(s.beta) / (std::cos(s.alpha) * tbp) + (tb / tbp) * (b + z * tb * ta / F) / F +
            G * s.K0 * z * tb * (tp * std::sin(s.beta) - ta) - s.Ka * b);
}

double SandFlowResistance(const SandAngles& s, double g, double z, double b) {
    const double tb = std::tan(s.beta);
    return b * g * z * (s.Ka * (std::pow(tb, 8) - 1.0) + s.K0 * std::tan(s.phi) * std::pow(tb, 4));
}

ReeseSandCurve MakeReeseSandCurve(double ps, double A, double B, double b, double k, double zeq) {
    ReeseSandCurve c;
    c.pu = A * ps;
    c.pM = B * ps;
    c.yu = 3.0 * b / 80.0;
    c.yM = b / 60.0;
    c.kx = k * zeq;
    c.m = (c.pu - c.pM) / (c.yu - c.yM);
    if (zeq == 0.0) {
        c.n = c.C = c.yk = c.pk = 0.0;
    } else {
        c.n = c.pM / (c.m * c.yM);
        c.C = c.pM / std::pow(c.yM, 1.0 / c.n);
        c.yk = std::pow(c.C / c.kx, c.n / (c.n - 1.0));
        c.pk = c.C * std::pow(c.yk, 1.0 / c.n);
        if (zeq < 0.0) c.yk = 2.0 * b;
    }
    if (c.yu <= c.yM)
        c.curveCase = 0;
    else if (c.yk < c.yM)
        c.curveCase = 1;
    else if (c.yM < c.yk && c.yk < c.yu)
        c.curveCase = 2;
    else if (c.yk > c.yu)
        c.curveCase = 3;
    return c;
}

double ReeseSandCurve::beforeLimit(double y) const {
    if (y <= yk && y < yM) return kx * y;
    if (y <= yM) return n == 0.0 ? 0.0 : C * std::pow(y, 1.0 / n);
    if (y <= yu) return pM + m * (y - yM);
    return pu;
}

double ReeseSandCurve::p(double y) const { return std::min(beforeLimit(y), kx * y); }

double ApiSandCurve::p(double y) const {
    if (zeq < 1e-10) return 0.0;
    return A * pu * std::tanh(k * zeq * y / (A * pu));
}

double ApiSandFactorA(bool cyclic, double zeq, double b) {
    if (cyclic) return f(0.9f);
    return std::max(f(0.9f), 3.0 - f(0.8f) * zeq / b);
}

}  // namespace drovi
