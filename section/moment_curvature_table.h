// Bending moment, bending stiffness and curvature of every pile section at
// every axial thrust, from which the pile solution takes the stiffness of
// each node. USCS: kip-in, kip-in^2, rad/in (momentCapacity in lb-in);
// SI: kN-m, kN-m^2, rad/m.
#pragma once

#include <array>

#include "model/analysis_model.h"

namespace drovi {

inline constexpr int kMaxCurvaturePoints = 150;

struct MomentCurvaturePoint {
    double moment = 0.0;
    double stiffness = 0.0;
    double curvature = 0.0;
};

struct MomentCurvatureTable {
    struct Thrust {
        int pointCount = 0;
        double momentCapacity = 0.0;
        Table<MomentCurvaturePoint, kMaxCurvaturePoints> points;
    };
    Table<Table<Thrust, kMaxAxialThrusts>, kMaxSections> sections;

    Thrust& at(int section, int thrust) { return sections[section][thrust]; }
    const Thrust& at(int section, int thrust) const { return sections[section][thrust]; }
};

}  // namespace drovi
