// The report of one converged load case: its pile-head conditions, the
// table of nodal values, the equilibrium check and the output summary;
// and the plot records of its nodes.
#pragma once

#include "engine/run.h"

namespace drovi {

void WriteLoadCaseResults(Run& run, int c);

// Equilibrium of the finite-difference solution, increment by increment:
// with q = W - Es y, the shear V = Vb + P S at each node, and per increment
// from node i to node j = i + 1:
//   force  F  = V(i) - V(j) + h (q(i) + q(j)) / 2       (minus Vt at the tip)
//   moment Mi = M(i) - M(j) + h V(i) + h^2 q(i) / 2 + P (y(i) - y(j))
// The largest of each, with the call number k = j + 1 at which it occurred.
struct EquilibriumImbalance {
    double force = 0.0;
    int forceNode = 0;
    double moment = 0.0;
    int momentNode = 0;
};
EquilibriumImbalance CheckEquilibrium(const Run& run, double headMoment);

// Nodes k = 1..N whose deflection and the next one's have strictly
// opposite signs.
int CountZeroDeflectionPoints(const PileNodes& nodes);

// Moment imbalances within these limits pass the output verification.
inline constexpr double kMomentImbalanceLimitUscs = 1.0;      // in-lb
inline constexpr double kMomentImbalanceLimitSi = 0.00011298;  // kN-m

}  // namespace drovi
