// The pile as a column of equally spaced nodes, node 1 at the head and node
// N at the tip, and the per-node and per-layer arrays that the soil models,
// the solver and the reports share.
#pragma once

#include <array>

#include "model/analysis_model.h"

namespace drovi {

inline constexpr int kMaxIncrements = 500;
inline constexpr int kMaxNodes = kMaxIncrements + 1;

// Values per node k, for k = -2 .. kMaxNodes + 4: the solver also uses the
// imaginary nodes -1 and 0 above the head and N + 1, N + 2 below the tip.
class NodeArray {
public:
    static constexpr int kFirst = -2;
    static constexpr int kLast = kMaxNodes + 4;

    double& operator[](int k) {
        if (k < kFirst || k > kLast) TableIndexFault(k, kLast);
        return v_[static_cast<std::size_t>(k - kFirst)];
    }
    double operator[](int k) const {
        if (k < kFirst || k > kLast) TableIndexFault(k, kLast);
        return v_[static_cast<std::size_t>(k - kFirst)];
    }
    void fill(double value) { v_.fill(value); }

private:
    std::array<double, kLast - kFirst + 1> v_{};
};

struct PileNodes {
    int increments = 0;  // n
    int count = 0;       // N = n + 1
    double length = 0.0; // L of the current load case
    double h = 0.0;      // increment length L / n

    NodeArray X;    // distance along the pile from the head
    NodeArray Z;    // vertical depth below the head, X cos(batter)
    NodeArray y;    // lateral deflection
    NodeArray R;    // bending stiffness EI
    NodeArray Es;   // secant soil modulus of the p-y spring
    NodeArray W;    // lateral load term: distributed load and soil movement
    NodeArray ysm;  // lateral soil movement
    NodeArray M;    // bending moment
    NodeArray V;    // shear
    NodeArray S;    // slope
    NodeArray p;    // soil reaction
    NodeArray stress;  // combined axial and bending stress
    Table<int, kMaxNodes> sectionOfNode;
    // Elastic sections with a specified moment capacity: the capacity and the
    // elastic stiffness at the node.
    NodeArray plasticMoment;
    NodeArray elasticStiffness;
    // The node reached the moment capacity of its section.
    Table<bool, kMaxNodes> atMomentCapacity;

    // Per soil layer.
    Table<double, kMaxLayerSlots> layerTop;
    Table<double, kMaxLayerSlots> layerBottom;
    Table<int, kMaxLayerSlots> i_TopNodeInLayer;     // 0: the layer holds no node
    Table<int, kMaxLayerSlots> i_BottomNodeInLayer;  // 0: the layer holds no node
};

}  // namespace drovi
