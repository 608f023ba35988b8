// What every p-y criterion shares: the pass it runs in, the depths of its
// nodes, the secant modulus it leaves at a node, the equivalent depth of
// layered soils, and the printed and plotted curve.
#pragma once

#include <string>
#include <string_view>

#include "engine/run.h"
#include "model/unit_labels.h"
#include "soil/equivalent_depth.h"

namespace drovi {

enum class PyPass {
    Analysis,     // set Es at every node of the layer for its deflection
    CurveReport,  // print and plot the whole curve at the user's depths
};

// One call of a model routine: the layer and its first and last node (in
// the curve-report pass: the indices of the printed depths in the layer).
struct PyLayerCall {
    int layer = 0;
    int first = 0;
    int last = 0;
    PyPass pass = PyPass::Analysis;
};

// Distance along the pile s and vertical depth x of node g.
struct NodeDepths {
    double s = 0.0;
    double x = 0.0;
};
NodeDepths DepthsOfNode(const Run& run, const PyLayerCall& call, int g);

// The equivalent depth zeq of node g at vertical depth x (z below the
// ground surface), computing the layer's equivalent top depth at its first
// node in an analysis pass when the method is available for the layer.
double EquivalentDepthAt(Run& run, const PyLayerCall& call, int g, double x, double z,
                         const EquivalentDepthInput& firstNode);

// Stores the secant modulus of node g and, with soil movements, its load
// term. With `checkNumber`, a modulus that is not a number ends the run with
// status 99 after the report line (with the node number when `nodeInMessage`).
// False when the run ended.
bool StoreSecantModulus(Run& run, int g, double Es, double s, bool checkNumber, bool nodeInMessage);

// The curve on the report and the plot file.
void WritePlotLine7(Run& run, double s, int points, std::string_view literal, int curveNumber);
// Blank line, "y, <len>" at column 6 and "p, <force>/<len>" at column 25, dashes.
void WriteCurveHeading(Run& run);
// One point: report cells of (y, p) and plot Line 8 with the point number
// in `numberWidth` columns (0: as few as needed) after `skip` blanks.
// A `marker` follows the p value on the report line.
void WriteCurvePoint(Run& run, int i, double y, double p, std::string_view closing, int skip = 50,
                     int numberWidth = 2, std::string_view marker = "");

// The layer's initial modulus k at vertical depth x: kTop, or linear from
// kTop to kBottom. A kTop that is not positive sets both to 0 and returns
// a negative value: the caller takes the default.
double SandLayerK(SoilLayer& layer, double x);

// The deflection at a printed depth, interpolated in vertical depth between
// the analysis nodes above and below it.
double DeflectionAtDepth(const Run& run, double x);

// The p-y plot record Line 8 alone, for criteria with their own report layout.
void WriteCurvePlotPoint(Run& run, int i, double y, double p, std::string_view closing, int skip = 50,
                         int numberWidth = 2);

}  // namespace drovi
