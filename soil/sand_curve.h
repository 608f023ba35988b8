// Sand p-y curves.
//
// Reese, Cox and Koop (1974), with phi the friction angle, alpha = phi/2,
// beta = 45 deg + phi/2, K0 = 0.4, Ka = tan^2(45 - phi/2):
//   wedge  pst = g z [K0 z tan(phi) sin(beta) / (cos(alpha) tan(beta - phi))
//                     + tan(beta)/tan(beta - phi) (b + z tan(beta) tan(alpha))
//                     + K0 z tan(beta) (tan(phi) sin(beta) - tan(alpha)) - Ka b]
//   flow   psd = b g z (Ka (tan^8(beta) - 1) + K0 tan(phi) tan^4(beta))
//   ps = min(pst, psd); pu = A ps at yu = 3b/80; pM = B ps at yM = b/60;
//   a straight line kx y (kx = k z) to yk, the parabola C y^(1/n) to yM, a
//   straight line to yu and pu beyond; never above kx y.
// API RP 2A: pu = min((C1 z + C2 b) g z, C3 b g z),
//   p = A pu tanh(k z y / (A pu)), A = 0.9 cyclic, max(0.9, 3 - 0.8 z/b) static.
// Units: any consistent set; angles in radians unless named degrees.
#pragma once

#include "model/analysis_model.h"

namespace drovi {

// The initial modulus k when the layer gives none, from the friction angle
// in degrees; false in general units, which have no default.
bool defaultSandK(double phiDegrees, double gamma, UnitSystem units, double& k);

struct SandAngles {
    double phi, alpha, beta, K0, Ka, Kp;
};
SandAngles MakeSandAngles(double phi, double K0);

// Wedge resistance at depth z for flat ground, and with the sloping-ground
// factors F and G (F = 1 +/- tan|theta| tan(beta), G = 4u^3 - 3u^2 + 1).
double SandWedgeResistance(const SandAngles& s, double gamma, double z, double b, double F = 1.0, double G = 1.0);
// Flow resistance at depth z.
double SandFlowResistance(const SandAngles& s, double gamma, double z, double b);

struct ReeseSandCurve {
    double kx = 0.0;  // initial slope k z
    double pu = 0.0, yu = 0.0;
    double pM = 0.0, yM = 0.0;
    double m = 0.0, n = 0.0, C = 0.0;
    double yk = 0.0, pk = 0.0;
    int curveCase = 0;  // 1: yk < yM; 2: yM < yk < yu; 3: yk > yu; 0 otherwise

    // Resistance at y >= 0.
    double p(double y) const;
    // The unlimited curve at y, before the cut to kx y.
    double beforeLimit(double y) const;
};
ReeseSandCurve MakeReeseSandCurve(double ps, double A, double B, double b, double k, double zeq);

struct ApiSandCurve {
    double A = 0.0;
    double pu = 0.0;
    double k = 0.0;
    double zeq = 0.0;
    double p(double y) const;
};
// A for API sand: 0.9 cyclic; static max(0.9, 3 - 0.8 z/b).
double ApiSandFactorA(bool cyclic, double zeq, double b);

}  // namespace drovi
