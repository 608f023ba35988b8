// The soft clay model routine: Matlock's criteria at every node of a layer.
#pragma once

#include "soil/py_framework.h"

namespace drovi {

void Compute_PY_SoftClay(Run& run, const PyLayerCall& call);

// Default eps50 for an undrained strength c when none is given; 0 in
// general units, where there is no default.
double DefaultSoftClayE50(double c, UnitSystem units);

inline constexpr int kWarningSoftClayStrengthUscs = -3041;
inline constexpr int kWarningSoftClayStrengthSi = -3042;

}  // namespace drovi
