// The SOIL LAYERS section: layers from the top, each with its p-y criterion
// and its properties at the top and the bottom.
#include <string>

#include "engine/edit_format.h"
#include "input/current_format.h"

namespace drovi {
namespace {

constexpr int kErrorSoilModelCode = 35;

// The property records of one profile point (top or bottom of a layer).
bool readPointProperties(RecordReader& in, SoilLayer& layer, UnitWeightPoint& w, StrengthPoint& p, double& k,
                         bool atTop) {
    using V = ValueItem;
    const char* kWhat = atTop ? "subgrade modulus k at the top" : "subgrade modulus k at the bottom";
    switch (static_cast<SoilModel>(layer.model)) {
        case SoilModel::SoftClay:
        case SoilModel::StiffClayWithoutFreeWater:
            return in.values({V::Real(w.unitWeight, "effective unit weight"), V::Real(p.cohesion, "cohesion"),
                              V::Real(p.e50, "strain factor E50")});
        case SoilModel::StiffClayWithFreeWater:
        case SoilModel::StiffClayWithoutFreeWaterK:
            return in.values({V::Real(w.unitWeight, "effective unit weight"), V::Real(p.cohesion, "cohesion"),
                              V::Real(p.e50, "strain factor E50"), V::Real(k, kWhat)});
        case SoilModel::Sand:
        case SoilModel::ApiSand:
            return in.values({V::Real(w.unitWeight, "effective unit weight"),
                              V::Real(p.frictionAngle, "friction angle"), V::Real(k, kWhat)});
        case SoilModel::LiquefiedSand:
            return in.values({V::Real(w.unitWeight, "effective unit weight")});
        case SoilModel::WeakRock:
            return in.values({V::Real(w.unitWeight, "effective unit weight"),
                              V::Real(p.cohesion, "uniaxial compressive strength"),
                              V::Real(k, "initial rock mass modulus"), V::Real(p.rqd, "RQD"), V::Real(p.e50, "krm")});
        case SoilModel::VuggyLimestone:
            return in.values({V::Real(w.unitWeight, "effective unit weight"),
                              V::Real(p.cohesion, "uniaxial compressive strength")});
        case SoilModel::Piedmont:
            return in.values({V::Real(w.unitWeight, "effective unit weight"), V::Int(p.fieldTest, "field test code"),
                              V::Real(p.blowCountN60, "SPT blow count N60"),
                              V::Real(p.coneTipResistance, "cone tip resistance"),
                              V::Real(p.dilatometerModulus, "dilatometer modulus"),
                              V::Real(p.pressuremeterModulus, "pressuremeter modulus")});
        case SoilModel::CementedSilt:
            return in.values({V::Real(w.unitWeight, "effective unit weight"), V::Real(p.cohesion, "cohesion"),
                              V::Real(p.frictionAngle, "friction angle"), V::Real(k, kWhat),
                              V::Real(p.e50, "strain factor E50")});
        case SoilModel::Loess:
            return in.values({V::Real(w.unitWeight, "effective unit weight"),
                              V::Real(p.coneTipResistance, "cone tip resistance")});
        case SoilModel::ElasticSubgrade:
            return in.values({V::Real(w.unitWeight, "effective unit weight"),
                              V::Real(p.subgradeModulus, "elastic subgrade modulus")});
        case SoilModel::FrozenSoil:
        case SoilModel::MassiveRock:
        case SoilModel::UserPy:
            return true;
    }
    return true;
}

bool readUserCurve(RecordReader& in, UserPyCurve& curve, double depth, UnitWeightPoint& w) {
    curve.depth = depth;
    if (!in.values({ValueItem::Real(w.unitWeight, "effective unit weight"),
                    ValueItem::Int(curve.pointCount, "number of points of the p-y curve")}))
        return false;
    if (curve.pointCount < 0 || curve.pointCount > kMaxUserPyPoints) {
        in.countOutOfRange("points of the user-input p-y curve", curve.pointCount, 0, kMaxUserPyPoints);
        return false;
    }
    for (int k = 1; k <= curve.pointCount; ++k)
        if (!in.values({ValueItem::Real(curve.points[k].y, "deflection y"),
                        ValueItem::Real(curve.points[k].p, "soil resistance p")}))
            return false;
    return true;
}

}  // namespace

void ReadSoilLayers(RecordReader& in) {
    Run& run = in.run();
    auto& m = *run.model;
    int n = 0;
    if (!ReadCount(in, n, "soil layers", 0, kMaxLayersCurrentFormat)) return;
    for (int b = 1; b <= n; ++b) {
        SoilLayer layer;
        if (!in.values({ValueItem::Int(layer.model, "soil model code"), ValueItem::Real(layer.topDepth, "depth of the top of the layer"),
                        ValueItem::Real(layer.bottomDepth, "depth of the bottom of the layer")}))
            return;
        if (layer.model < 1 || layer.model > 16) {
            WriteMessage(run, MessageTo::LogThenReport, {"", "**** Input Data Error No. 35 ****", "",
                        "Problem:  Soil layer " + edit::I0(b) + " on line " + edit::I0(in.lineNumber()) +
                            " has the soil model code " + edit::I0(layer.model) + ".",
                        "          The soil model codes are 1 to 16.",
                        "Solution: Select one of the soil models for this layer.", ""});
            run.terminate(ErrorCode::Input(kErrorSoilModelCode));
            return;
        }
        UnitWeightPoint& wTop = m.unitWeightPoints[2 * b - 1];
        UnitWeightPoint& wBottom = m.unitWeightPoints[2 * b];
        StrengthPoint& pTop = m.strengthPoints[2 * b - 1];
        StrengthPoint& pBottom = m.strengthPoints[2 * b];
        wTop = wBottom = UnitWeightPoint{};
        pTop = pBottom = StrengthPoint{};
        if (static_cast<SoilModel>(layer.model) == SoilModel::UserPy) {
            if (!readUserCurve(in, m.userPyCurves[2 * b - 1], layer.topDepth, wTop)) return;
            if (!readUserCurve(in, m.userPyCurves[2 * b], layer.bottomDepth, wBottom)) return;
        } else {
            if (!readPointProperties(in, layer, wTop, pTop, layer.kTop, true)) return;
            if (!readPointProperties(in, layer, wBottom, pBottom, layer.kBottom, false)) return;
        }
        wTop.profileDepth = pTop.strengthDepth = layer.topDepth;
        wBottom.profileDepth = pBottom.strengthDepth = layer.bottomDepth;
        m.layers[b] = layer;
    }
    m.profilePointCount = m.strengthPointCount = 2 * n;
    m.layerCount = n;
    m.groundSurfaceDepth = n > 0 ? m.layers[1].topDepth : 0.0;
}

}  // namespace drovi
