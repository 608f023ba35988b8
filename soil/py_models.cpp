#include "soil/py_models.h"

#include <string_view>

#include "model/soil_model_codes.h"
#include "soil/elastic_subgrade.h"
#include "soil/sand.h"
#include "soil/soft_clay.h"

namespace drovi {
namespace {

using R = BlockingRole;

constexpr PyModelEntry kModels[] = {
    {"SoftClay", Compute_PY_SoftClay, true, R::UsesEquivalentDepth},
    {"StfClyBW", nullptr, true, R::UsesEquivalentDepth},
    {"StfClyAW", nullptr, true, R::UsesEquivalentDepth},
    {"StfClyAK", nullptr, true, R::UsesEquivalentDepth},
    {"Sand    ", Compute_PY_Sand, true, R::UsesEquivalentDepth},
    {"API Sand", Compute_PY_APISand, true, R::UsesEquivalentDepth},
    {"Liq Sand", nullptr, true, R::UsesEquivalentDepth},
    {"WeakRock", nullptr, true, R::BlocksItself},
    {"Vuggy LS", nullptr, true, R::Blocks},
    {"Piedmont", nullptr, true, R::Blocks},
    {"Cem Silt", nullptr, true, R::UsesEquivalentDepth},
    {"KS Loess", nullptr, true, R::Blocks},
    {"Elast SG", Compute_PY_ElasticSubgrade, true, R::Blocks},
    {"User p-y", nullptr, true, R::Neutral},
    {"MassRock", nullptr, false, R::Blocks},
};
constexpr PyModelEntry kNoRoutine = {"", nullptr, false, R::None};

// After the routine of layer j: the marks and the count of blocking layers.
void applyRole(SoilState& soil, int j, BlockingRole role) {
    switch (role) {
        case R::UsesEquivalentDepth:
            if (soil.blockingLayerCount >= 1) soil.noEquivalentDepth[j] = true;
            break;
        case R::Blocks:
            if (soil.blockingLayerCount > 0) soil.noEquivalentDepth[j] = true;
            ++soil.blockingLayerCount;
            break;
        case R::BlocksItself:
            ++soil.blockingLayerCount;
            soil.noEquivalentDepth[j] = true;
            break;
        case R::None:
        case R::Neutral:
            break;
    }
}

}  // namespace

const PyModelEntry& FindPyModel(int soilModel) {
    const std::string_view code = SoilModelCode8(soilModel);
    for (const auto& entry : kModels)
        if (code == entry.code) return entry;
    return kNoRoutine;  // "Frz Soil" and "Undefined"
}

bool PyModelAvailable(int soilModel) {
    const PyModelEntry& e = FindPyModel(soilModel);
    return e.routine != nullptr || e.role == R::None;
}

void RunPyAnalysisPass(Run& run) {
    auto& soil = run.soil;
    soil.blockingLayerCount = 0;
    for (int j = 1; j <= run.model->layerCount; ++j) {
        const int first = run.nodes.i_TopNodeInLayer[j];
        if (first == 0) continue;
        const PyModelEntry& e = FindPyModel(run.model->layers[j].model);
        if (!e.routine) continue;
        e.routine(run, PyLayerCall{j, first, run.nodes.i_BottomNodeInLayer[j], PyPass::Analysis});
        if (run.failed()) return;
        applyRole(soil, j, e.role);
    }
}

void RunPyCurveReportPass(Run& run) {
    auto& soil = run.soil;
    for (int j = 1; j <= run.model->layerCount; ++j) {
        const int first = run.nodes.i_TopNodeInLayer[j];
        if (first == 0) continue;
        const PyModelEntry& e = FindPyModel(run.model->layers[j].model);
        if (!e.routine || !e.reportsCurve) continue;
        soil.blockingLayerCount = soil.noEquivalentDepth[j] ? 1 : 0;
        e.routine(run, PyLayerCall{j, first, run.nodes.i_BottomNodeInLayer[j], PyPass::CurveReport});
        if (run.failed()) return;
        run.report.blank(3);
    }
}

}  // namespace drovi
