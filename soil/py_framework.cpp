#include "soil/py_framework.h"

#include <cmath>

#include "engine/cells.h"
#include "engine/edit_format.h"
#include "pile/pile_lookups.h"
#include "soil/soil_state.h"

namespace drovi {

NodeDepths DepthsOfNode(const Run& run, const PyLayerCall& call, int g) {
    if (call.pass == PyPass::CurveReport) {
        const double d = run.model->pyOutputDepths[g];
        return {d, d};
    }
    return {run.nodes.X[g], run.nodes.Z[g]};
}

double EquivalentDepthAt(Run& run, const PyLayerCall& call, int g, double x, double z,
                         const EquivalentDepthInput& firstNode) {
    const int k = call.layer;
    if (k == 1) return z;
    const bool available = call.pass == PyPass::Analysis ? run.soil.blockingLayerCount == 0
                                                         : !run.soil.noEquivalentDepth[k];
    double zeq = z;
    if (available) {
        if (call.pass == PyPass::Analysis && g == call.first) Compute_Equivalent_Depth(run, k, firstNode);
        zeq = x - run.model->layers[k].topDepth + run.soil.equivalentTopDepth[k];
    }
    // A layer that ends above the pile head.
    const auto& layers = run.model->layers;
    if (layers[1].bottomDepth < -1e-8 || layers[2].bottomDepth < -1e-8) zeq = x - layers[1].topDepth;
    return zeq;
}

bool StoreSecantModulus(Run& run, int g, double Es, double s, bool checkNumber, bool nodeInMessage) {
    run.nodes.Es[g] = Es;
    if (checkNumber && std::isnan(Es)) {
        std::string line = "The computed value of soil modulus is not-a-number for node ";
        if (nodeInMessage) line += edit::I0(g);
        run.report.line(line);
        run.status.set(99);
        return false;
    }
    const auto& m = *run.model;
    if (m.soilMovementCount > 0)
        run.nodes.W[g] = run.nodes.ysm[g] * Es + distributedLoadAverage(m, s, run.nodes.h);
    return true;
}

void WritePlotLine7(Run& run, double s, int points, std::string_view literal, int curveNumber) {
    edit::Record r;
    r.put(edit::ES(s, 15, 7)).put(edit::I(points, 5)).skip(60).put(literal).put(edit::I0(curveNumber));
    run.plot.line(r.str());
}

void WriteCurveHeading(Run& run) {
    const std::string len = Trimmed(run.labels.length);
    const std::string force = Trimmed(run.labels.force);
    run.report.blank();
    edit::Record r;
    r.tab(6).put("y, " + len).tab(25).put("p, " + force + "/" + len);
    run.report.line(r.str());
    run.report.line("----------------    -----------------");
}

void WriteCurvePoint(Run& run, int i, double y, double p, std::string_view closing, int skip, int numberWidth,
                     std::string_view marker) {
    WriteBlanks(run.report, 3);
    WriteRealCell(run.report, y, 12);
    WriteBlanks(run.report, 5);
    WriteRealCell(run.report, p, 12);
    run.report.write(marker);
    EndLine(run.report);
    WriteCurvePlotPoint(run, i, y, p, closing, skip, numberWidth);
}

}  // namespace drovi

namespace drovi {

double SandLayerK(SoilLayer& layer, double x) {
    if (layer.kTop <= 0.0) {
        layer.kTop = layer.kBottom = 0.0;
        return -1.0;
    }
    if (layer.kBottom == layer.kTop) return layer.kTop;
    return layer.kTop + (layer.kBottom - layer.kTop) * (x - layer.topDepth) / (layer.bottomDepth - layer.topDepth);
}

double DeflectionAtDepth(const Run& run, double x) {
    const auto& n = run.nodes;
    int below = 1;
    while (below < n.count && n.Z[below] < x) ++below;
    if (below == 1 || n.Z[below] == n.Z[below - 1]) return n.y[below];
    const double f = (x - n.Z[below - 1]) / (n.Z[below] - n.Z[below - 1]);
    return n.y[below - 1] + (n.y[below] - n.y[below - 1]) * f;
}

void WriteCurvePlotPoint(Run& run, int i, double y, double p, std::string_view closing, int skip, int numberWidth) {
    edit::Record r;
    r.put(edit::ES(y, 15, 7))
        .put(edit::ES(p, 15, 7))
        .skip(skip)
        .put("Line 8(")
        .put(numberWidth > 0 ? edit::I(i, numberWidth) : edit::I0(i))
        .put(closing);
    run.plot.line(r.str());
}

}  // namespace drovi
