// The summary of all load cases at the end of the run, its plot records,
// and the LRFD performance table.
#pragma once

#include "engine/run.h"

namespace drovi {

void WriteResponseSummary(Run& run);

// The LRFD table: for every combination and section, the factored moment
// capacity against the largest moment developed; the nominal capacity
// comes from the section tables at the thrust level of the combination.
void WriteLrfdPerformance(Run& run);

inline constexpr int kWarningLrfdFailure = -400;

}  // namespace drovi
