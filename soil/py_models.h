// The table of soil models: which routine serves a layer, whether it prints
// curves at the user's depths, and its role in the equivalent-depth method.
#pragma once

#include "soil/py_framework.h"

namespace drovi {

using PyRoutine = void (*)(Run&, const PyLayerCall&);

// How a layer's model takes part in the equivalent-depth method of the
// layers below it, applied after its routine has run.
enum class BlockingRole {
    None,                 // no routine: nothing changes
    UsesEquivalentDepth,  // marked when a blocking layer lies above
    Blocks,               // marked when a blocking layer lies above, then blocks
    BlocksItself,         // weak rock: blocks, then is marked
    Neutral,              // user-input curves: neither marked nor blocking
};

struct PyModelEntry {
    const char* code;    // 8-character model code
    PyRoutine routine;   // nullptr: not available, or (Frz Soil) none by design
    bool reportsCurve;   // prints curves at the user's depths
    BlockingRole role;
};

// The entry for a layer's model code (1..20), matched on the first 8
// characters of its code table entry.
const PyModelEntry& FindPyModel(int soilModel);

// True when the model has a routine in this build or needs none.
bool PyModelAvailable(int soilModel);

// One analysis pass over every layer that holds nodes, from the top.
void RunPyAnalysisPass(Run& run);

// The curves at the user's depths: the layers' ranges have been mapped to
// the printed depths (X(i) holds depth i).
void RunPyCurveReportPass(Run& run);

}  // namespace drovi
