// Soil properties by vertical depth x below the pile head, from the two
// point lists of the soil profile, and the p-y multipliers along the pile.
// A look-up that fails writes its message, ends the run and returns 0.
#pragma once

#include "engine/run.h"

namespace drovi {

// Strength at x (cohesion, or uniaxial compressive strength of rock) with
// the rule for a depth on a layer interface; sets run.soil.b_AtNode.
double fn_c(Run& run, double x);

// e50 (krm for weak rock) at x; 0 below the profile.
double e50AtDepth(const Run& run, double x);
// Friction angle at x in degrees; input error 4 below the profile.
double frictionAngleAtDepth(Run& run, double x);

// Average strength and effective unit weight from the ground surface down to x.
double averageStrength(Run& run, double x);
double averageUnitWeight(Run& run, double x);

// p- and y-multipliers at distance s along the pile; 1 outside the table.
double pMultiplierAt(const AnalysisModel& model, double s);
double yMultiplierAt(const AnalysisModel& model, double s);

// A column of the strength list interpolated at x between the top (point
// 2L-1) and the bottom (point 2L) of layer L.
double LayerInterpolation(const AnalysisModel& model, int layer, double StrengthPoint::*column, double x);

// How a model's strength combines with its neighbour's on a layer interface.
enum class InterfaceClass { None = 0, Cohesive = 1, Cohesionless = 2, Rock = 3, UserInput = 4, Elastic = 5 };
InterfaceClass ClassifyForInterface(int soilModel, double strengthOnItsSide);

}  // namespace drovi
