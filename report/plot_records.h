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

// Line 9: number of load cases, of nodes, and the unit system.
void WritePlotLine9(PlotWriter& plot, int loadCases, int nodes, int unitSystem);
// Line 10: depth, deflection, moment, shear, soil reaction and EI of node k.
void WritePlotLine10(PlotWriter& plot, int k, double X, double y, double M, double V, double p, double EI);
// Line 11 of a load case whose pile-length study ran, with its point count.
void WritePlotLine11(PlotWriter& plot, int loadCase, int points);
// Line 12: a point of the pile-length study.
void WritePlotLine12(PlotWriter& plot, double length, double headDeflection, double maxMoment, double maxShear);
// Line 14: stiffness case i of the pile-head stiffness matrix.
struct StiffnessRecord {
    double shear, moment, K22, K23, K32, K33, deflection, rotation;
};
void WritePlotLine14(PlotWriter& plot, const StiffnessRecord& r);
// Line 13: head shear and deflection, largest moment and shear, head rotation.
void WritePlotLine13(PlotWriter& plot, bool uscs, double V, double y, double Mmax, double Vmax, double rotation);

}  // namespace drovi
