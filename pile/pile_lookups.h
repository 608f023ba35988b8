// Properties along the pile, by distance s from the head.
#pragma once

#include "model/analysis_model.h"

namespace drovi {

struct PileProperties {
    double width = 0.0;     // b, the width the p-y curves use
    double inertia = 0.0;
    double modulus = 0.0;
    double area = 0.0;
    double stiffness = 0.0; // E*I, interpolated as a product
};

// From the pile dimension profile (two points per section). At a section
// boundary the lower section's top applies; between points the values are
// linear in s, and E*I is interpolated as the product at each end.
PileProperties pilePropertiesAt(const AnalysisModel& model, double s);

// The distributed lateral load integrated over [s - h/2, s + h/2] (clipped
// to the table) and divided by h; 0 without a table or outside it.
double distributedLoadAverage(const AnalysisModel& model, double s, double h);

}  // namespace drovi
