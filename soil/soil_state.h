// Per-layer working values of the p-y models that outlive one node.
#pragma once

#include "model/analysis_model.h"

namespace drovi {

// Equivalent depth not yet computed for a layer.
inline constexpr double kNoEquivalentDepth = -10000.0;
// J of the Matlock soft clay criteria.
inline constexpr double kMatlockJ = 0.5;

struct SoilState {
    SoilState() { equivalentTopDepth.fill(kNoEquivalentDepth); }

    // Ultimate resistance of each layer integrated over depth, rebuilt in
    // every analysis pass; the equivalent depth of the layers below reads it.
    Table<double, kMaxLayerSlots> layerResistance;
    Table<double, kMaxLayerSlots> savedLayerResistance;
    Table<double, kMaxLayerSlots> equivalentTopDepth;
    // The layer lies below a blocking layer: no equivalent depth for it.
    Table<bool, kMaxLayerSlots> noEquivalentDepth;
    int blockingLayerCount = 0;
    // Set by fn_c: the depth lies on an interior point of the strength list.
    bool b_AtNode = false;
};

}  // namespace drovi
