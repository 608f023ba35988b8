// One pile-head load case solved by successive substitution: solve the
// linear pile, re-evaluate every p-y curve and every bending stiffness at
// the new deflections and moments, and repeat until the largest change of
// deflection is within the tolerance.
#pragma once

#include "engine/run.h"

namespace drovi {

// The whole sequence for load case c; leaves the converged state (y, Es,
// R, head values) for the results report. Ends the run on failure.
void RunLoadCase(Run& run, int c);

// The p-y pass over all layers for iteration `it`.
void UpdateSoilModuli(Run& run, int it);

// The bending stiffness of every node at thrust level t (P' in the tables'
// force unit).
void UpdateBendingStiffness(Run& run, int t, double Pprime);

// Thrust level of P' in the run's thrust list.
int ThrustLevel(const AnalysisModel& model, double Pprime);

// The curves at the user's depths, after load case 1 has converged.
void OutputPyCurvesAtDepths(Run& run);

// The stopping rules of the iteration. At least six solutions are made, and
// the excess deflection is tested from the eleventh on.
inline constexpr int kMinSolutions = 6;
inline constexpr int kFirstExcessDeflectionTest = 11;
bool Converged(double dYmax, double tolerance, int it);
bool ExcessDeflection(double dYmax, double tolerance, int it, double headDeflection, double limit);

}  // namespace drovi
