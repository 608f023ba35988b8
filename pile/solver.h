// The pile as a beam-column on springs, by central finite differences:
//   R(k-1) y(k-2) + (-2R(k-1) - 2R(k) + P h^2) y(k-1)
//   + (R(k-1) + 4R(k) + R(k+1) - 2P h^2 + Es(k) h^4) y(k)
//   + (-2R(k) - 2R(k+1) + P h^2) y(k+1) + R(k+1) y(k+2) = W(k) h^4
// with R = EI, P the axial thrust (compression positive) and h the
// increment. The tip has zero moment and the tip shear; the head takes two
// of shear, moment, slope, rotational restraint and deflection.
#pragma once

#include "engine/run.h"

namespace drovi {

// One linear solution with the current R, Es and W: sets y(-1..N+1),
// dYmax and the tip shear. A vanishing pivot of the head system ends the
// run with runtime error 11.
void SolvePile(Run& run);

// Gaussian elimination of the head system F X = G of order n (5, or 4 for
// a deflection and moment at the head) in the given row order, without row
// exchanges; a pivot below 1E-20 in rows 1..n-1 ends the run with runtime
// error 11 and returns false.
bool SolveHeadSystem(Run& run, int n);

// Moment, shear, slope and soil reaction at node k, and the running maxima.
void NodeResponse(Run& run, int k);

// Clears the running maxima of moment, shear and stress.
void ClearResponseMaxima(ResponseMaxima& maxima, bool sectionsToo);

}  // namespace drovi
