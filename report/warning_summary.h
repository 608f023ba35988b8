// The end-of-run summary of the warnings recorded since the start of the
// last load case.
#pragma once

#include "engine/run.h"

namespace drovi {

// Counts the codes still recorded (the registry's `latest` becomes that
// number) and writes the summary to the report.
void WriteWarningSummary(Run& run);

}  // namespace drovi
