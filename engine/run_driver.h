// One analysis run, from NAMES.DAT to the status line.
#pragma once

#include "engine/environment.h"

namespace drovi {

// Performs one complete run in the environment's working directory and
// returns what DGO returns: the run status when positive, else the warning
// result (0 for a clean run).
int RunAnalysis(const Environment& environment);

struct Run;
// Everything after the input has been read: report head, conversion to
// internal units, section tables, load cases and summaries.
void AnalyseInput(Run& run, bool legacyFormat);

}  // namespace drovi
