// Elastic subgrade: a linear p-y spring, p = kES b y, without limit.
// kES (F/L^3) varies linearly through the layer; b is the pile width.
#pragma once

#include "soil/py_framework.h"

namespace drovi {

struct ElasticSubgradeCurve {
    double k = 0.0;  // subgrade modulus, F/L^3
    double b = 0.0;  // pile width, L
    double p(double y) const { return k * b * y; }
    // The secant modulus is the same at every deflection.
    double modulus() const { return k * b; }
};

void Compute_PY_ElasticSubgrade(Run& run, const PyLayerCall& call);

}  // namespace drovi
