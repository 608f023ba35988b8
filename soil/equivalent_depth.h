// The equivalent depth of a layer below other layers (Georgiadis 1983):
// the depth at which the layer, alone, would have accumulated the ultimate
// resistance F that the layers above it carry in total.
#pragma once

#include "engine/run.h"

namespace drovi {

// Properties of the first node of the layer that the method needs.
struct EquivalentDepthInput {
    double b = 0.0;      // pile width
    double c = 0.0;      // strength
    double gamma = 0.0;  // average effective unit weight above the node
    double ca = 0.0;     // average strength above the node (stiff clays)
    double phi = 0.0;    // friction angle, radians (sands, cemented silt)
    double K0 = 0.4;     // at-rest coefficient of the sand criterion
    double zn = 0.0;     // depth of the node below the ground surface
    bool cyclic = false;
};

// Sets run.soil.equivalentTopDepth(layer) for a soft clay, stiff clay,
// sand or cemented silt layer (layer >= 2); other models leave it alone.
void Compute_Equivalent_Depth(Run& run, int layer, const EquivalentDepthInput& in);

}  // namespace drovi
