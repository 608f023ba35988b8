// One analysis run, from NAMES.DAT to the status line.
#pragma once

#include "engine/environment.h"

namespace drovi {

// Performs one complete run in the environment's working directory and
// returns what DGO returns: the run status when positive, else the warning
// result (0 for a clean run).
int RunAnalysis(const Environment& environment);

}  // namespace drovi
