// Records of the plot output file written by the run driver. Every record
// has its numbers at fixed columns and ends with a label naming its line.
#pragma once

#include "engine/channel.h"

namespace drovi {

struct AnalysisModel;

// Line 1: analysis type, unit system, embedment-length flag, stiffness-matrix flag.
void WritePlotLine1(PlotWriter& plot, const AnalysisModel& model);
// Line 2: number of pile sections.
void WritePlotLine2(PlotWriter& plot, int sectionCount);

}  // namespace drovi
