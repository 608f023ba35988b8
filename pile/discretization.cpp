#include "pile/discretization.h"

#include <cmath>
#include <string>

#include "engine/edit_format.h"
#include "pile/pile_lookups.h"

namespace drovi {

void DiscretizePile(const AnalysisModel& m, PileNodes& nodes) {
    nodes.increments = m.options.pileIncrements;
    nodes.count = nodes.increments + 1;
    nodes.length = m.pileLength;
    nodes.h = nodes.length / nodes.increments;
    const double c = std::cos(m.pileBatter);
    for (int k = 1; k <= nodes.count; ++k) nodes.X[k] = (k - 1) * nodes.h;
    nodes.X[nodes.count] = nodes.length;
    for (int k = 1; k <= nodes.count; ++k) nodes.Z[k] = nodes.X[k] * c;
    for (int j = 1; j <= m.layerCount; ++j) {
        nodes.layerTop[j] = j == 1 ? m.groundSurfaceDepth : m.layers[j - 1].bottomDepth;
        nodes.layerBottom[j] = m.layers[j].bottomDepth;
    }
}

void MapNodesToSections(const AnalysisModel& m, PileNodes& nodes) {
    if (m.sectionCount <= 1) {
        for (int k = 1; k <= nodes.count; ++k) nodes.sectionOfNode[k] = 1;
        return;
    }
    nodes.sectionOfNode[1] = 1;
    for (int k = 2; k <= nodes.count; ++k) {
        for (int j = 1; j <= m.sectionCount; ++j) {
            const double top = m.dimensionProfile[2 * j - 1].depth;
            const double bottom = m.dimensionProfile[2 * j].depth;
            if (top < nodes.X[k] && nodes.X[k] <= bottom) nodes.sectionOfNode[k] = j;
        }
    }
}

namespace {

// The layer rule over depths d(1..count).
void mapToLayers(const AnalysisModel& m, PileNodes& nodes, const NodeArray& d, int count, OutputChannel& report) {
    nodes.i_TopNodeInLayer.fill(0);
    nodes.i_BottomNodeInLayer.fill(0);
    const int layers = m.layerCount;
    if (layers < 1) {
        nodes.i_BottomNodeInLayer[1] = count;
        return;
    }
    int last = layers + 1;  // the layer reaching the tip
    for (int j = 1; j <= layers; ++j) {
        int a = 1;
        while (a <= count && d[a] < nodes.layerTop[j]) ++a;
        if (a > count || d[a] > nodes.layerBottom[j]) continue;
        nodes.i_TopNodeInLayer[j] = a;
        if (nodes.layerBottom[j] >= d[count]) {
            last = j;
            break;
        }
    }
    if (last <= kMaxLayerSlots) nodes.i_BottomNodeInLayer[last] = count;
    for (int j = 1; j < last && j <= layers; ++j) {
        if (nodes.i_TopNodeInLayer[j] == 0) continue;
        int k = j + 1;
        if (j < layers) {
            while (k <= layers && nodes.i_TopNodeInLayer[k] == 0) ++k;
            if (k > layers) k = layers + 1;
        }
        const int next = k <= layers ? nodes.i_TopNodeInLayer[k] : 0;
        if (next - 1 == -1) {
            // The soil profile ends above the pile tip.
            report.line("ERROR 2 in computing i_BottomNodeInLayer");
            report.line("Num_Nodes_To_Assign = " + edit::I0(count));
            report.line("ilayer = " + edit::I0(j));
            report.line("klayer = " + edit::I0(k));
            report.line("jlayer = " + edit::I0(last));
            report.line("i_Number_of_Layers = " + edit::I0(layers));
            continue;
        }
        nodes.i_BottomNodeInLayer[j] = next - 1;
    }
}

}  // namespace

void MapNodesToLayers(const AnalysisModel& m, PileNodes& nodes, int count, OutputChannel& report) {
    mapToLayers(m, nodes, nodes.Z, count, report);
}

void MapDepthsToLayers(const AnalysisModel& m, PileNodes& nodes, int count, OutputChannel& report) {
    mapToLayers(m, nodes, nodes.X, count, report);
}

void MapSoilMovement(const AnalysisModel& m, PileNodes& nodes) {
    const int n = m.soilMovementCount;
    if (n < 2) return;
    const auto& t = m.soilMovements;
    constexpr double kSameDepth = 1E-5;
    int i = 2;
    for (int k = 1; k <= nodes.count; ++k) {
        const double x = nodes.X[k];
        if (x < t[1].depth || x > t[n].depth) {
            nodes.ysm[k] = 0.0;
            continue;
        }
        while (i < n && t[i].depth < x) ++i;
        const auto& a = t[i - 1];
        const auto& b = t[i];
        if (std::fabs(b.depth - a.depth) < kSameDepth)
            nodes.ysm[k] = 0.5 * (a.value + b.value);
        else
            nodes.ysm[k] = a.value + (b.value - a.value) * (x - a.depth) / (b.depth - a.depth);
    }
}

void InitNodeState(const AnalysisModel& m, PileNodes& nodes) {
    for (int k = 1; k <= nodes.count; ++k) {
        nodes.R[k] = pilePropertiesAt(m, nodes.X[k]).stiffness;
        nodes.W[k] = m.options.useLRFD ? 0.0 : distributedLoadAverage(m, nodes.X[k], nodes.h);
        nodes.Es[k] = m.groundSurfaceDepth <= nodes.Z[k] ? kInitialSoilModulus : 0.0;
    }
}

}  // namespace drovi
