// The head of the report: banner, licensee, files used and date of the run.
#pragma once

#include <string>

#include "engine/run.h"

namespace drovi {

void WriteReportHead(Run& run);

// "December 11, 2026     Time:  9:05:03" style date line of the head.
std::string DateTimeLine(const LocalTime& time);

}  // namespace drovi
