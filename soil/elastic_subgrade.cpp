#include "soil/elastic_subgrade.h"

#include <string>

#include "engine/cells.h"
#include "engine/edit_format.h"
#include "pile/pile_lookups.h"
#include "soil/soil_lookups.h"

namespace drovi {
namespace {

constexpr const char* kLine7 = "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ";
constexpr const char* kLine8 = "): y, p, for elastic subgrade";
constexpr int kPoints = 17;

void printHeader(Run& run, const PyLayerCall& call, double x, double z, double b, double k, double pm, double ym) {
    const std::string len = Trimmed(run.labels.length);
    const std::string force = Trimmed(run.labels.force);
    auto& r = run.report;
    r.blank(2);
    r.line("p-y Curve for Elastic Subgrade");
    r.blank();
    r.line(LabelAt56("Soil Layer Number") + edit::I(call.layer, 10));
    r.line(LabelAt56("Depth below pile head") + edit::F(x, 12, 3) + " " + len);
    r.line(LabelAt56("Depth below Ground Surface") + edit::F(z, 12, 3) + " " + len);
    r.line(LabelAt56("Shaft Diameter") + edit::F(b, 12, 3) + " " + len);
    r.line(LabelAt56("Elastic Subgrade Modulus") + edit::F(k, 12, 3) + " " + force + "/" + len + "**3");
    r.line(LabelAt56("p-multiplier") + edit::F(pm, 12, 5));
    r.line(LabelAt56("y-multiplier") + edit::F(ym, 12, 5));
    r.blank();
    edit::Record heading;
    heading.put("        y, " + len).tab(22).put("p, " + force + "/" + len);
    r.line(heading.str());
    r.line("---------------   ---------------");
}

}  // namespace

void Compute_PY_ElasticSubgrade(Run& run, const PyLayerCall& call) {
    const auto& m = *run.model;
    for (int g = call.first; g <= call.last; ++g) {
        const NodeDepths d = DepthsOfNode(run, call, g);
        const ElasticSubgradeCurve curve{LayerInterpolation(m, call.layer, &StrengthPoint::subgradeModulus, d.x),
                                         pilePropertiesAt(m, d.s).width};
        const double pm = pMultiplierAt(m, d.s);
        const double ym = yMultiplierAt(m, d.s);
        if (call.pass == PyPass::Analysis) {
            if (!StoreSecantModulus(run, g, pm * curve.modulus() / ym, d.s, false, false)) return;
            continue;
        }
        printHeader(run, call, d.x, d.x - m.groundSurfaceDepth, curve.b, curve.k, pm, ym);
        WritePlotLine7(run, d.s, kPoints, kLine7, g);
        for (int i = 1; i <= kPoints; ++i) {
            const double y = (i - 1) * curve.b / 8.0;
            WriteCurvePoint(run, i, ym * y, pm * curve.p(y), kLine8, 50, 0);
        }
    }
}

}  // namespace drovi
