// One-time conversion of the model to the internal units of computation
// (USCS: inches, pounds, psi, lb/in^3; SI: metres, kN, kPa). Each acts once
// per model, guarded by AnalysisModel::unitsConverted.
#pragma once

#include "model/analysis_model.h"

namespace drovi {

// Feet to inches, psf to psi, pcf to lb/in^3 for the fields held in feet or
// per-foot units; rock strengths entered in psi keep their value.
void ConvertUscsUnits(AnalysisModel& model);

// Every unit system but USCS: SI is already in computing units except the
// soil movements of the older formats, entered in millimetres;
// `movementsInMillimetres` is false for the current format, whose reader
// already scaled them. GENERAL units are left as given.
void ConvertSiUnits(AnalysisModel& model, bool movementsInMillimetres);

}  // namespace drovi
