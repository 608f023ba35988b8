// The sand model routines: Reese, Cox and Koop ("Sand") and API RP 2A
// ("API Sand"), static and cyclic, on flat and sloping ground.
#pragma once

#include "soil/py_framework.h"

namespace drovi {

void Compute_PY_Sand(Run& run, const PyLayerCall& call);
void Compute_PY_APISand(Run& run, const PyLayerCall& call);

inline constexpr int kWarningReeseFrictionAngle = -302;
inline constexpr int kWarningApiFrictionAngle = -303;

}  // namespace drovi
