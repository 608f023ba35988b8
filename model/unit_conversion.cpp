#include "model/unit_conversion.h"

namespace drovi {
namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kCubicInchesPerCubicFoot = 1728.0;

}  // namespace

void ConvertUscsUnits(AnalysisModel& m) {
    if (m.unitsConverted) return;
    m.pileLength *= kInchesPerFoot;
    m.groundSurfaceDepth *= kInchesPerFoot;

    for (auto& p : m.unitWeightPoints) {
        p.profileDepth *= kInchesPerFoot;
        p.unitWeight /= kCubicInchesPerCubicFoot;
    }
    for (auto& p : m.strengthPoints) {
        p.strengthDepth *= kInchesPerFoot;
        p.cohesion /= kSquareInchesPerSquareFoot;
    }
    for (auto& layer : m.layers) {
        layer.topDepth *= kInchesPerFoot;
        layer.bottomDepth *= kInchesPerFoot;
    }
    // Rock strengths are entered in psi, not psf: undo the division.
    for (int b = 1; b <= m.layerCount && 2 * b <= kMaxProfilePoints; ++b) {
        const int model = m.layers[b].model;
        if (model == static_cast<int>(SoilModel::WeakRock) || model == static_cast<int>(SoilModel::VuggyLimestone)) {
            m.strengthPoints[2 * b - 1].cohesion *= kSquareInchesPerSquareFoot;
            m.strengthPoints[2 * b].cohesion *= kSquareInchesPerSquareFoot;
        }
    }
    // Soil movements themselves are entered in inches and stay.
    for (auto& s : m.soilMovements) s.depth *= kInchesPerFoot;
    for (auto& d : m.dimensionProfile) d.depth *= kInchesPerFoot;
    for (int i = 1; i <= m.pyOutputDepthCount && i <= kMaxPyOutputDepths; ++i) m.pyOutputDepths[i] *= kInchesPerFoot;
    m.dimensionPointCount = 2 * m.sectionCount;
    for (auto& p : m.pyModifiers) p.depth *= kInchesPerFoot;
    for (auto& c : m.userPyCurves) c.depth *= kInchesPerFoot;
    for (auto& s : m.sections) {
        s.length *= kInchesPerFoot;
        s.topDepth *= kInchesPerFoot;
        s.bottomDepth *= kInchesPerFoot;
    }
    m.unitsConverted = true;
}

void ConvertSiUnits(AnalysisModel& m, bool movementsInMillimetres) {
    if (m.unitsConverted) return;
    m.dimensionPointCount = 2 * m.sectionCount;
    if (movementsInMillimetres && m.options.unitSystem == UnitSystem::SI)
        for (auto& s : m.soilMovements) s.value /= 1000.0;
    m.unitsConverted = true;
}

}  // namespace drovi
