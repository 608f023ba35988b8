#include "soil/soft_clay.h"

#include <cmath>
#include <string>

#include "engine/edit_format.h"
#include "pile/pile_lookups.h"
#include "soil/soft_clay_curve.h"
#include "soil/soil_coefficients.h"
#include "soil/soil_lookups.h"

namespace drovi {
namespace {

constexpr double f(float v) { return static_cast<double>(v); }

constexpr double kRadiansToDegrees = 180.0 / 3.141592653589793;
// 1250 psf in psi and its SI counterpart in kPa: higher strengths are not soft.
constexpr double kSoftStrengthLimitUscs = f(8.6805553f);
constexpr double kSoftStrengthLimitSi = f(59.850323f);
constexpr double kZeroStrength = 1e-10;
constexpr double kGroundAboveHead = f(-0.00001f);

void inputError12(Run& run, const PyLayerCall& call, int g, double s, double x, double c) {
    const std::string head[] = {
        "**** Input Data Error No. 12 ****",
        "",
        "An error was detected that is related to an incompatibility between the input ",
        "data defining soil layering and soil shear strength values when computing a ",
        "p-y curve using the Matlock soft clay criteria.",
        "",
        "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
        "",
        "Solution:  Please compare the depth values for soil layering and soil shear ",
        "strength values and revise the input data.",
        "",
    };
    auto where = [&](double depth) {
        return "Layer no. = " + edit::I0(call.layer) + ", Node no. = " + edit::I0(g) + ", Top node in layer = " +
               edit::I0(call.first) + ", Elevation = " + edit::F(depth, 10, 3) + ", c(x) = " + edit::F(c, 10, 3);
    };
    for (const auto& l : head) run.log.line(l);
    run.log.line(where(s));
    for (const auto& l : head) run.report.line(l);
    run.report.line(where(x) + ", Pile length = " + edit::F(run.model->pileLength, 10, 3));
    run.report.line(", ITOP = " + edit::I0(call.first) + ", IBOT = " + edit::I0(call.last));
    run.terminate(ErrorCode::Input(12));
}

// "label = value unit" lines of the printed header.
void headerLine(Run& run, const std::string& label, const std::string& value, const std::string& unit = "") {
    run.report.line(label + value + (unit.empty() ? "" : " " + unit));
}

void printHeader(Run& run, const PyLayerCall& call, double x, double z, double b, double c, double gamma,
                 double eps50, const SoftClayCurve& k, double pm, double ym) {
    const auto& m = *run.model;
    const double N = m.options.numberOfCycles;
    const std::string len = Trimmed(run.labels.length);
    const std::string force = Trimmed(run.labels.force);
    auto F = [](double v, int d) { return edit::F(v, 12, d); };
    run.report.blank(2);
    run.report.line(N < 2 ? "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions"
                          : "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions");
    run.report.blank();
    headerLine(run, "Soil Layer Number           = ", edit::I(call.layer, 12));
    headerLine(run, "Depth below pile head       = ", F(x, 3), len);
    headerLine(run, "Depth below ground surface  = ", F(z, 3), len);
    headerLine(run, "Ground Slope Angle          = ", F(m.groundSlope * kRadiansToDegrees, 3) + " degrees");
    headerLine(run, "Pile Batter                 = ", F(m.pileBatter * kRadiansToDegrees, 3) + " degrees");
    headerLine(run, "Effective Slope             = ", F(m.slopeMinusBatter * kRadiansToDegrees, 3) + " degrees");
    headerLine(run, "Equivalent Depth            = ", F(k.zeq, 3), len);
    headerLine(run, "Pile Diameter               = ", F(b, 3), len);
    headerLine(run, "Cohesion, c                 = ", F(c, 3), force + "/" + len + "**2");
    headerLine(run, "Avg Eff Unit Weight         = ", F(gamma, 5), force + "/" + len + "**3");
    headerLine(run, "Epsilon50 parameter         = ", F(eps50, 5));
    headerLine(run, "J                           = ", F(kMatlockJ, 3));
    headerLine(run, "Transition Depth Xr         = ", F(k.Xr, 3), len);
    // As printed: from zeq, without the slope factor.
    const double puStatic = (kMatlockJ * k.zeq / b + 3.0 + gamma * k.zeq / c) * b * c;
    headerLine(run, "pu_s                        = ", F(puStatic, 3), force + "/" + len);
    headerLine(run, "pu_d                        = ", F(9.0 * c * b, 3), force + "/" + len);
    headerLine(run, "Y50                         = ", F(k.y50, 5), len);
    headerLine(run, "p-multiplier                = ", F(pm, 5));
    headerLine(run, "y-multiplier                = ", F(ym, 5));
    if (N >= 2) {
        headerLine(run, "Number of cycles of loading = ", edit::F(N, 12, 0));
        headerLine(run, "Xr                          = ", F(k.Xr, 3), len);
    }
}

// The 17 deflections of the printed curve, in units of y50.
constexpr double kPrintedDeflections[17] = {0.0,  f(0.008f), 0.25, 0.5, 0.75, 1.0,  1.25, 1.5, 1.75,
                                            2.0,  2.25,      2.5,  2.75, 3.0, 8.0,  15.0, 20.0};

constexpr const char* kLine7 = "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ";
constexpr const char* kLine8 = "): y, p, for soft clay";

}  // namespace

double DefaultSoftClayE50(double c, UnitSystem units) {
    double t[4];
    if (units == UnitSystem::USCS) {
        const double uscs[4] = {f(3.4722223f), f(6.9444447f), f(13.888889f), f(27.777779f)};
        std::copy(uscs, uscs + 4, t);
    } else if (units == UnitSystem::SI) {
        const double si[4] = {f(23.940128f), f(47.880257f), f(95.760513f), f(191.52103f)};
        std::copy(si, si + 4, t);
    } else {
        return 0.0;
    }
    if (c < t[0]) return f(0.02f);
    if (c < t[1]) return f(0.01f);
    if (c < t[3]) return f(0.005f);
    return f(0.004f);
}

void Compute_PY_SoftClay(Run& run, const PyLayerCall& call) {
    auto& m = *run.model;
    auto& soil = run.soil;
    const bool analysis = call.pass == PyPass::Analysis;
    const bool cyclic = m.options.cyclic;
    const double h = run.nodes.h;
    const int L = call.layer;
    if (analysis) soil.layerResistance[L] = 0.0;
    double resistance = 0.0;  // the curve-report pass accumulates apart
    double& accumulated = analysis ? soil.layerResistance[L] : resistance;
    SoftClayCurve previous;
    for (int g = call.first; g <= call.last; ++g) {
        const NodeDepths d = DepthsOfNode(run, call, g);
        const double x = d.x;
        const double z = x - m.groundSurfaceDepth;
        const double b = pilePropertiesAt(m, d.s).width;
        const double c = fn_c(run, x);
        if (run.failed()) return;
        const double gamma = averageUnitWeight(run, x);
        if (run.failed()) return;
        const double pm = pMultiplierAt(m, d.s);
        const double ym = yMultiplierAt(m, d.s);

        if (!soil.b_AtNode) {
            if (m.options.unitSystem == UnitSystem::USCS && c > kSoftStrengthLimitUscs)
                RecordWarning(run.warnings, kWarningSoftClayStrengthUscs);
            if (m.options.unitSystem == UnitSystem::SI && c > kSoftStrengthLimitSi)
                RecordWarning(run.warnings, kWarningSoftClayStrengthSi);
        }
        double eps50 = e50AtDepth(run, x);
        if (eps50 <= 0.0) {
            eps50 = DefaultSoftClayE50(c, m.options.unitSystem);
            if (eps50 <= 0.0) {  // general units have no default
                run.status.set(99);
                return;
            }
        }
        if (g != call.first && c < kZeroStrength) return inputError12(run, call, g, d.s, x, c);

        SoftClayInput in{c, b, gamma, eps50, z, 0.0, 1.0, cyclic};
        in.zeq = EquivalentDepthAt(run, call, g, x, z, EquivalentDepthInput{b, c, gamma, 0.0, 0.0, 0.4, z, cyclic});
        const double y = run.nodes.y[g];
        in.slopeFactor = ClaySlopeFactor(m.slopeMinusBatter, y, ZeroDeflection::NoReduction, kCos45Single);
        const SoftClayCurve k = MakeSoftClayCurve(in);

        if (g != call.first) {
            if (!cyclic) {
                accumulated += (previous.pu + k.pu) * h / 2.0;
            } else {
                accumulated += (previous.S + k.S) * h / 2.0;
                if (k.Xr > k.zeq) accumulated += (previous.R + k.R) * h / 2.0;
            }
        }
        if (g == call.last) accumulated += k.pu * h;
        if (L == 1 && m.groundSurfaceDepth < kGroundAboveHead)
            accumulated = (3.0 * c * b + k.pu) * 0.5 * (m.layers[1].bottomDepth - m.layers[1].topDepth);
        previous = k;

        if (analysis) {
            const double yr = std::fabs(y - run.nodes.ysm[g]) / ym;
            if (yr < k.linearLimit()) {
                if (!StoreSecantModulus(run, g, k.Eslim(), d.s, true, false)) return;
            } else if (!StoreSecantModulus(run, g, pm * k.p(yr) / (ym * yr), d.s, true, true)) {
                return;
            }
            continue;
        }
        printHeader(run, call, x, z, b, c, gamma, eps50, k, pm, ym);
        WritePlotLine7(run, d.s, 17, kLine7, g);
        WriteCurveHeading(run);
        for (int i = 1; i <= 17; ++i) {
            const double yi = kPrintedDeflections[i - 1] * k.y50;
            WriteCurvePoint(run, i, ym * yi, pm * k.p(yi), kLine8);
        }
    }
}

}  // namespace drovi
