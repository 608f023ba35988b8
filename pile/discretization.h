// Nodes of the pile and the mappings that tie the input geometry to them.
#pragma once

#include "engine/channel.h"
#include "model/analysis_model.h"
#include "pile/pile_nodes.h"

namespace drovi {

// h = L/n, X(k) = (k - 1) h with X(N) = L exactly, Z(k) = X(k) cos(batter).
// Also copies the layer boundaries: the top of layer 1 is the ground
// surface, the top of layer j + 1 the bottom of layer j.
void DiscretizePile(const AnalysisModel& model, PileNodes& nodes);

// Section of every node: top(j) < X(k) <= bottom(j), the last match wins;
// node 1 belongs to section 1.
void MapNodesToSections(const AnalysisModel& model, PileNodes& nodes);

// First and last node of every layer from the vertical depths Z(1..count).
// A node on a layer boundary belongs to the lower layer.
void MapNodesToLayers(const AnalysisModel& model, PileNodes& nodes, int count, OutputChannel& report);

// The same rule for `count` points whose depths stand in X(1..count), the
// depths of printed p-y curves.
void MapDepthsToLayers(const AnalysisModel& model, PileNodes& nodes, int count, OutputChannel& report);

// Soil movement at every node, interpolated in depth along the pile.
void MapSoilMovement(const AnalysisModel& model, PileNodes& nodes);

// Initial stiffness, load term and soil modulus of a load case.
inline constexpr double kInitialSoilModulus = 50000.0;
void InitNodeState(const AnalysisModel& model, PileNodes& nodes);

}  // namespace drovi
