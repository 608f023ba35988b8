// Matlock (1970) soft clay p-y curve, static and cyclic.
//
//   y50 = 2.5 eps50 b
//   Np  = 3 + gamma' z / c + J z / b          (z below the ground surface)
//   pu  = Np c b (Np < 9), else 9 c b          (Np after the slope factor)
//   p   = 0.5 pu (y / y50)^(1/3)               for 1e-5 y50 <= y <= 3 y50
//   static: the same up to 8 y50, pu beyond
//   cyclic: S = 0.72 pu beyond 3 y50 where zeq >= Xr; above Xr the curve
//           falls from S at 3 y50 to R = zeq S / Xr at 15 y50 and stays there
//   below 1e-5 y50 the curve is the straight line of slope Eslim, the
//   tangent of the power law at 1e-5 y50: Eslim = pu 0.5 (1e-5)^(1/3) / (3e-5 y50).
// Units: any consistent set (lengths L, forces F; c in F/L^2, gamma' in F/L^3).
// Invariants: p(0) = 0, p >= 0, p rises monotonically up to 3 y50.
#pragma once

namespace drovi {

struct SoftClayCurve {
    double pu = 0.0;   // ultimate resistance, F/L
    double y50 = 0.0;  // deflection at half the ultimate resistance, L
    double S = 0.0;    // cyclic plateau 0.72 pu
    double R = 0.0;    // cyclic residual resistance above Xr
    double zeq = 0.0;  // equivalent depth, L
    double Xr = 0.0;   // transition depth, L
    bool cyclic = false;

    // Slope of the initial straight part, F/L^2.
    double Eslim() const;
    // Resistance at a deflection y >= 0.
    double p(double y) const;
    // Below this deflection the initial straight part applies.
    double linearLimit() const;
};

struct SoftClayInput {
    double c = 0.0;      // undrained shear strength
    double b = 0.0;      // pile width
    double gamma = 0.0;  // average effective unit weight above the depth
    double eps50 = 0.0;
    double z = 0.0;      // depth below the ground surface
    double zeq = 0.0;    // equivalent depth
    double slopeFactor = 1.0;
    bool cyclic = false;
};

// Np before the slope factor, and the transition depth
// Xr = max(2.5 b, 6 b c / (gamma' b + J c)).
double SoftClayBearingFactor(const SoftClayInput& in);
double SoftClayTransitionDepth(const SoftClayInput& in);

SoftClayCurve MakeSoftClayCurve(const SoftClayInput& in);

}  // namespace drovi
