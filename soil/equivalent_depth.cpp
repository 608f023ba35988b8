#include "soil/equivalent_depth.h"

#include <cmath>

#include "soil/soil_coefficients.h"
#include "soil/soil_state.h"

namespace drovi {
namespace {

constexpr double f(float v) { return static_cast<double>(v); }

constexpr double kEmptyResistance = f(0.01f);
constexpr double kResistanceOverflow = 1e20;
constexpr double kCyclicReduction = f(0.72f);

// Resistance of the layers above layer k.
double resistanceAbove(SoilState& soil, int k) {
    double F = 0.0;
    for (int i = 1; i < k; ++i) {
        if (soil.layerResistance[i] < kEmptyResistance) soil.layerResistance[i] = soil.savedLayerResistance[i];
        F += soil.layerResistance[i];
        if (F > kResistanceOverflow) F = 100.0;
    }
    return F;
}

// Positive root of a z^2 + b z - F = 0.
double positiveRoot(double a, double b, double F) { return (std::sqrt(b * b + 4.0 * F * a) - b) * 0.5 / a; }

double softClay(const EquivalentDepthInput& in, double F) {
    const double b = in.b, c = in.c, g = in.gamma;
    const double Xr = 6.0 * b * c / (0.5 * c + b * g);
    const double H = in.cyclic ? (1.5 * Xr * b * c + c * Xr * Xr / 6.0 + Xr * Xr * b * g / 3.0) * kCyclicReduction
                               : ((3.0 * c + kMatlockJ * Xr * g) * b + 0.25 * Xr * c) * Xr;
    if (F > H) return in.cyclic ? Xr + (F - H) / (9.0 * b * c * kCyclicReduction) : Xr + (F - H) / (9.0 * b * c);
    return positiveRoot(0.25 * c + 0.5 * b * g, 3.0 * b * c, F);
}

double stiffClayFreeWater(const EquivalentDepthInput& in, double F) {
    const double b = in.b, c = in.c, g = in.gamma, ca = in.ca;
    const double xt = (11.0 * c - 2.0 * ca) * b / (g * b + f(2.83f) * ca);
    constexpr int kSteps = 100;
    const double dz = xt / kSteps;
    double T = 0.0, previous = 0.0, m = 0.0;
    for (int i = 1; i <= kSteps; ++i) {
        const double z = (i - 0.5) * dz;
        const double As = stiffClayAs(z / b);
        m = in.cyclic ? f(0.936f) * stiffClayAc(z / b) - f(0.4182f) * As
                      : 0.5 * std::sqrt(6.0 * As) - f(0.411f) - 0.75 * As;
        previous = T;
        T += dz * m * ((g * z + 2.0 * ca) * b + f(2.83f) * z * ca);
        if (F < T) return z - dz * (T - F) / (T - previous);
    }
    return xt + (F - T) / (11.0 * c * m * b);
}

double stiffClayNoFreeWater(const EquivalentDepthInput& in, double F) {
    const double b = in.b, c = in.c, g = in.gamma, ca = in.ca;
    const double Xr = (9.0 * c - 3.0 * ca) * b / (0.5 * ca + g * b);
    const double H = ((0.25 * Xr + 3.0 * b) * ca + 0.5 * g * Xr * b) * Xr;
    if (F > H) return Xr + (F - H) / (9.0 * b * c);
    return positiveRoot(0.25 * ca + 0.5 * g * b, 3.0 * b * ca, F);
}

struct SandFactors {
    double C1, C3, KpMinusKa, xt;
};

SandFactors sandFactors(const EquivalentDepthInput& in) {
    const double phi = in.phi;
    const double alpha = phi / 2.0;
    const double beta = 0.7853981633974483 + phi / 2.0;
    const double Ka = std::pow(std::tan(0.7853981633974483 - phi / 2.0), 2);
    const double Kp = std::pow(std::tan(beta), 2);
    const double C3 = Kp * Kp * (Kp + in.K0 * std::tan(phi)) - Ka;
    const double C1 = std::tan(beta) *
                      (std::tan(alpha) * Kp + (std::sin(beta) * (1.0 / std::cos(alpha) + 1.0) * std::tan(phi) -
                                               std::tan(alpha)) * in.K0);
    return {C1, C3, Kp - Ka, (C3 - (Kp - Ka)) * in.b / C1};
}

double sand(const EquivalentDepthInput& in, double F) {
    const SandFactors s = sandFactors(in);
    const double b = in.b, g = in.gamma;
    const SandTable table = in.cyclic ? SandTable::CyclicA : SandTable::StaticA;
    constexpr int kSteps = 500;
    const double dz = s.xt / kSteps;
    double T = 0.0, previous = 0.0, Dprevious = 0.0;
    for (int i = 1; i <= kSteps; ++i) {
        const double z = i * dz;
        const double D = sandCoefficientAt(z, b, table) * g * b * b * (s.C1 * (z / b) * (z / b) + s.KpMinusKa * z / b);
        previous = T;
        T += (Dprevious + D) * dz / 2.0;
        Dprevious = D;
        if (F < T) return z - dz * (T - F) / (T - previous);
    }
    return s.xt + (F - T) / (f(0.88f) * in.zn * s.C3 * g * b * b / b);
}

double cementedSilt(const EquivalentDepthInput& in, double F) {
    const SandFactors s = sandFactors(in);
    const double b = in.b, g = in.gamma, c = in.c;
    const SandTable table = in.cyclic ? SandTable::CyclicA : SandTable::StaticA;
    constexpr int kSteps = 500;
    const double dz = s.xt / kSteps;
    double T = 0.0, previous = 0.0;
    for (int i = 1; i <= kSteps; ++i) {
        const double z = i * dz;
        previous = T;
        T += ((g * b + 0.5 * c) * z +
              sandCoefficientAt(z, b, table) * g * b * b * (s.C1 * (z / b) * (z / b) + s.KpMinusKa * z / b) +
              3.0 * b * c) *
             dz;
        if (F < T) return z - dz * (T - F) / (T - previous);
    }
    return s.xt + (F - T) / (f(0.88f) * in.zn * s.C3 * g * b * b / b + 9.0 * b * c);
}

}  // namespace

void Compute_Equivalent_Depth(Run& run, int k, const EquivalentDepthInput& in) {
    const double F = resistanceAbove(run.soil, k);
    double zeq0 = 0.0;
    switch (static_cast<SoilModel>(run.model->layers[k].model)) {
        case SoilModel::SoftClay:
            zeq0 = softClay(in, F);
            break;
        case SoilModel::StiffClayWithFreeWater:
            zeq0 = stiffClayFreeWater(in, F);
            break;
        case SoilModel::StiffClayWithoutFreeWater:
        case SoilModel::StiffClayWithoutFreeWaterK:
            zeq0 = stiffClayNoFreeWater(in, F);
            break;
        case SoilModel::Sand:
        case SoilModel::ApiSand:
            zeq0 = sand(in, F);
            break;
        case SoilModel::CementedSilt:
            zeq0 = cementedSilt(in, F);
            break;
        default:
            return;
    }
    run.soil.equivalentTopDepth[k] = zeq0;
}

}  // namespace drovi
