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

// Line 6: number of p-y curves at user depths.
void WritePlotLine6(PlotWriter& plot, int curveCount);
// Line 11 of a load case whose pile-length study does not run.
void WritePlotLine11NotRun(PlotWriter& plot, int loadCase, bool lrfd);

}  // namespace drovi
