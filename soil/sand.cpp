#include "soil/sand.h"

#include <cmath>
#include <string>

#include "engine/cells.h"
#include "engine/edit_format.h"
#include "engine/messages.h"
#include "pile/pile_lookups.h"
#include "soil/sand_curve.h"
#include "soil/soil_coefficients.h"
#include "soil/soil_lookups.h"

namespace drovi {
namespace {

constexpr double f(float v) { return static_cast<double>(v); }
constexpr double kDegrees = 3.141592653589793 / 180.0;
constexpr double kNoFriction = 1e-10;
constexpr double kGroundAboveHead = f(-0.00001f);
constexpr double kTinyDeflection = 1e-14;

// What both criteria read at a node.
struct SandNode {
    NodeDepths d;
    double y = 0.0;  // the deflection for the slope rule
    double b = 0.0, gamma = 0.0, phiDegrees = 0.0, phi = 0.0, pm = 1.0, ym = 1.0;
};

// False when a look-up ended the run.
bool readNode(Run& run, const PyLayerCall& call, int g, SandNode& n) {
    const auto& m = *run.model;
    n.d = DepthsOfNode(run, call, g);
    n.y = call.pass == PyPass::Analysis ? run.nodes.y[g] : DeflectionAtDepth(run, n.d.x);
    n.b = pilePropertiesAt(m, n.d.s).width;
    n.gamma = averageUnitWeight(run, n.d.x);
    if (run.failed()) return false;
    n.phiDegrees = frictionAngleAtDepth(run, n.d.x);
    if (run.failed()) return false;
    n.phi = n.phiDegrees * kDegrees;
    n.pm = pMultiplierAt(m, n.d.s);
    n.ym = yMultiplierAt(m, n.d.s);
    return true;
}

bool unusualFriction(double phi) { return phi < 20.0 * kDegrees || phi > 48.0 * kDegrees; }

void runtimeError13(Run& run) {
    WriteMessage(run, MessageTo::ReportThenLog,
                 {"", "**** Runtime Error No. 13 ****", "",
                              "Problem:  General units have been selected for use in computations in      ",
                              "combination with default values of k for a layer classified as API sand    ",
                              "criteria. This combination of data cannot be used because Drovi cannot     ",
                              "compute default values of subgrade modulus in general units.               ", "",
                              "Solution:  You must select either US customary for SI units for the        ",
                              "units of computation to use a default value for subgrade subgrade modulus  ",
                              "for the API sand criteria or enter an appropriate proper value by entering ",
                              "a non-zero for k."});
    run.terminate(ErrorCode::Runtime(13));
}

// k at x, the default when the layer gives none; false after an error.
bool layerK(Run& run, int L, double x, double phiDegrees, double gamma, double& k, bool& isDefault) {
    k = SandLayerK(run.model->layers[L], x);
    isDefault = k < 0.0;
    if (!isDefault) return true;
    if (defaultSandK(phiDegrees, gamma, run.model->options.unitSystem, k)) return true;
    runtimeError13(run);
    return false;
}

// The sloping-ground Ka, or false (with `steep`) when the slope is at least
// as steep as the friction angle.
double slopedKa(const SandAngles& a, double theta, bool& steep) {
    const double t = std::fabs(theta);
    const double d = std::cos(t) * std::cos(t) - std::cos(a.phi) * std::cos(a.phi);
    steep = d < 1e-10;
    if (steep) return a.Ka;
    return std::cos(t) * (std::cos(t) - std::sqrt(d)) / (std::cos(t) + std::sqrt(d));
}

std::string unit(const Run& run, const char* power) {
    const std::string len = Trimmed(run.labels.length);
    const std::string force = Trimmed(run.labels.force);
    return force + "/" + len + power;
}

void depthNote(Run& run) {
    if (run.soil.blockingLayerCount > 0) {
        run.report.line("This layer is below one or more layers of rock.  In this case, the ");
        run.report.line("layering correction is not used and the true depth below the ground ");
        run.report.line("surface is used when computing the p-y curve.  ");
    } else {
        run.report.line("This p-y curve is computed using the equivalent depth.");
    }
    run.report.blank();
}

}  // namespace

void Compute_PY_Sand(Run& run, const PyLayerCall& call) {
    auto& m = *run.model;
    const bool analysis = call.pass == PyPass::Analysis;
    const bool cyclic = m.options.cyclic;
    const int L = call.layer;
    const double h = run.nodes.h;
    if (analysis) run.soil.layerResistance[L] = 0.0;
    double reportSum = 0.0;
    double& accumulated = analysis ? run.soil.layerResistance[L] : reportSum;
    double previousPu = 0.0;
    const double theta = m.slopeMinusBatter;
    const double t = std::fabs(theta);
    for (int g = call.first; g <= call.last; ++g) {
        SandNode node;
        if (!readNode(run, call, g, node)) return;
        const NodeDepths& d = node.d;
        const double x = d.x, y = node.y, b = node.b, gamma = node.gamma;
        const double phiDegrees = node.phiDegrees, phi = node.phi, pm = node.pm, ym = node.ym;
        double k = 0.0;
        bool defaultK = false;
        if (!layerK(run, L, x, phiDegrees, gamma, k, defaultK)) return;
        if (phi < kNoFriction) {
            for (const char* l : {"**** Input Data Error No. 8 ****", "",
                                  "An error was detected in the input data for friction angle.",
                                  "Problem:  Zero was input for the friction angle for a sand when computing ",
                                  "          a p-y curve using the Reese et al. criteria.", "",
                                  "Solution: Check values of soil strength values and revise the input data.", ""})
                run.log.line(l);
            run.terminate(ErrorCode::Input(8));
            return;
        }
        if (unusualFriction(phi)) {
            for (const char* l : {"", "**** Warning ****", "",
                                  "An unreasonable value for friction angle was input for a Reese sand layer. ",
                                  "The input value is either smaller than 20 degrees or higher than 48 degrees.",
                                  "The input data should be checked for correctness.", "",
                                  "The input value for friction angle was used in computations.", ""})
                run.log.line(l);
            RecordWarning(run.warnings, kWarningReeseFrictionAngle);
        }
        SandAngles a = MakeSandAngles(phi, 0.4);
        bool steep = false;
        const double sloped = slopedKa(a, theta, steep);
        if (steep) {
            WriteMessage(run, MessageTo::LogThenReport, {"**** Input Data Error No. 9 ****", "",
                                "An error was found in the input data when computing a p-y curve using ",
                                "the Reese sand criteria for layer " + edit::I0(L) + ".", "",
                                "Problem:  The angle of the ground slope can not be greater than the ",
                                "internal friction angle of the sand.", "",
                                "Solution:  Set the value for slope angle to be less than the angle of friction."});
            run.terminate(ErrorCode::Input(9));
            return;
        }
        if (t > 1e-10) a.Ka = sloped;
        const double z = x - m.groundSurfaceDepth;
        const double zeq = EquivalentDepthAt(run, call, g, x, z, EquivalentDepthInput{b, 0.0, gamma, 0.0, phi, 0.4, z, cyclic});
        double pst = SandWedgeResistance(a, gamma, zeq, b);
        double F = 1.0;
        if (t > 1e-15) {
            const bool yUp = y > kTinyDeflection;
            const bool thetaUp = theta > kTinyDeflection;
            const double tt = std::tan(t) * std::tan(a.beta);
            F = yUp == thetaUp ? 1.0 + tt : 1.0 - tt;
            if (F > 1e-20) {
                const double u = tt / F;
                const double G = (4.0 * u - 3.0) * u * u + 1.0;
                pst = SandWedgeResistance(a, gamma, zeq, b, F, G);
            }
        }
        a.Ka = MakeSandAngles(phi, 0.4).Ka;  // the flat-ground value from here on
        const double psd = SandFlowResistance(a, gamma, z, b);
        if (F <= 1e-10 && t > 1e-10) pst = psd;
        const double ps = std::min(psd, pst);
        const double A = sandCoefficientAt(zeq, b, cyclic ? SandTable::CyclicA : SandTable::StaticA);
        const double B = sandCoefficientAt(zeq, b, cyclic ? SandTable::CyclicB : SandTable::StaticB);
        const ReeseSandCurve curve = MakeReeseSandCurve(ps, A, B, b, k, zeq);

        if (g != call.first) accumulated += (previousPu + curve.pu) * h / 2.0;
        if (g == call.last) accumulated += (m.layers[L].bottomDepth - d.s) * curve.pu;
        if (L == 1 && m.groundSurfaceDepth < kGroundAboveHead)
            accumulated = curve.pu * 0.5 * (m.layers[1].bottomDepth - m.layers[1].topDepth);
        previousPu = curve.pu;

        if (analysis) {
            const double yr = std::fabs(y - run.nodes.ysm[g]) / ym;
            const double Es = yr >= kTinyDeflection ? pm * curve.p(yr) / (yr * ym) : curve.kx;
            run.nodes.Es[g] = Es;
            if (std::isnan(Es)) {
                if (yr >= kTinyDeflection) {
                    run.report.line("The value of soil modulus computed in Reese Sand is not-a-number for node " +
                                    edit::I0(g));
                    run.status.set(99);
                } else {
                    run.report.line("The computed value of soil modulus is not-a-number for node ");
                    run.status.set(229);
                }
                return;
            }
            StoreSecantModulus(run, g, Es, d.s, false, false);
            continue;
        }

        // The printed curve.
        auto& r = run.report;
        const std::string len = Trimmed(run.labels.length);
        auto F12 = [](double v, int dec) { return edit::F(v, 12, dec); };
        r.blank(2);
        r.line(cyclic ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic Loading Conditions"
                      : "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
        r.blank();
        r.line(LabelAt56("Soil Layer Number          ") + edit::I(L, 12));
        r.line(LabelAt56("Depth below pile head      ") + F12(x, 3) + " " + len);
        r.line(LabelAt56("Depth below ground surface ") + F12(z, 3) + " " + len);
        r.line(LabelAt56("Ground Slope Angle         ") + F12(m.groundSlope / kDegrees, 3) + " degrees");
        r.line(LabelAt56("Pile Batter                ") + F12(m.pileBatter / kDegrees, 3) + " degrees");
        r.line(LabelAt56("Effective Slope            ") + F12(theta / kDegrees, 3) + " degrees");
        r.line(LabelAt56("Equivalent Depth (see note)") + F12(zeq, 3) + " " + len);
        r.line(LabelAt56("Pile Diameter, b           ") + F12(b, 3) + " " + len);
        r.line(LabelAt56("Angle of Friction          ") + F12(phiDegrees, 3) + " degrees");
        r.line(LabelAt56("Avg. Eff. Unit Weight      ") + F12(gamma, 5) + " " + unit(run, "**3"));
        r.line(LabelAt56("kpy                        ") + F12(k, 3) + " " + unit(run, "**3"));
        r.line(LabelAt56("K active                   ") + F12(a.Ka, 3));
        r.line(LabelAt56("K passive                  ") + F12(a.Kp, 3));
        r.line(LabelAt56("K0                         ") + F12(a.K0, 3));
        r.line(LabelAt56("Pst                        ") + F12(pst, 3) + " " + unit(run, ""));
        r.line(LabelAt56("Psd                        ") + F12(psd, 3) + " " + unit(run, ""));
        r.line(LabelAt56(psd > pst ? "Ps = Pst (shallow controls)" : "Ps = Psd (deep controls)   ") + F12(ps, 3) + " " +
               unit(run, ""));
        r.line(LabelAt56(cyclic ? "A (cyclic)       " : "A (static)       ") + F12(A, 4));
        r.line(LabelAt56(cyclic ? "B (cyclic)       " : "B (static)       ") + F12(B, 4));
        r.line(LabelAt56("C = pm/(ym^(1/n))      ") + F12(curve.C, 4));
        r.line(LabelAt56("n = pm/(m ym)          ") + F12(curve.n, 4));
        r.line(LabelAt56("m = (pu-pm)/(yu-ym)    ") + F12(curve.m, 4));
        r.line(LabelAt56("yk = [c/(kx)]^(n/(n-1))") + F12(curve.yk, 4) + " " + len);
        r.line(LabelAt56("pk                     ") + F12(curve.pk, 3) + " " + unit(run, ""));
        r.line(LabelAt56("ym = b/60              ") + F12(curve.yM, 4) + " " + len);
        r.line(LabelAt56("pm = B ps              ") + F12(curve.pM, 3) + " " + unit(run, ""));
        r.line(LabelAt56("yu = 3b/80             ") + F12(curve.yu, 4) + " " + len);
        r.line(LabelAt56("pu = A Ps              ") + F12(curve.pu, 3) + " " + unit(run, ""));
        r.line(LabelAt56("Es,lim                 ") + F12(curve.kx, 3) + " " + unit(run, "**2"));
        r.line(LabelAt56("p-multiplier           ") + F12(pm, 5));
        r.line(LabelAt56("y-multiplier           ") + F12(ym, 5));
        r.blank();
        depthNote(run);
        edit::Record heading;
        heading.tab(10).put("y, " + len).tab(26).put("p, " + unit(run, ""));
        r.line(heading.str());
        r.line("----------------    -----------------");
        WritePlotLine7(run, d.s, 17, "Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", g);

        // The 17 deflections of the printed curve, by the curve's case.
        double ys[17] = {};
        const double yu = curve.yu;
        if (curve.curveCase == 1) {
            ys[1] = curve.yk;
            for (int j = 1; j <= 10; ++j) ys[1 + j] = curve.yk + j * (curve.yM - curve.yk) / 11.0;
            ys[12] = curve.yM;
            ys[13] = 13.0 * b / 480.0;
            ys[14] = yu;
        } else if (curve.curveCase == 2) {
            const double yint = (curve.pu - curve.m * yu) / (curve.kx - curve.m);
            ys[1] = yint;
            for (int j = 1; j <= 11; ++j) ys[1 + j] = yint + j * (yu - yint) / 11.0;
            ys[13] = yu;  // the list leaves point 14 open: it repeats yu
            ys[14] = yu;
        } else {
            // Case 3, and case 0 with the same evenly spaced list.
            const double top = curve.curveCase == 3 ? curve.pu / curve.kx : yu;
            for (int j = 1; j <= 14; ++j) ys[j] = j * top / 14.0;
        }
        const double last = curve.curveCase == 3 ? curve.pu / curve.kx : yu;
        ys[15] = last + 0.5 * b;
        ys[16] = last + 1.0 * b;
        bool footnote = false;
        for (int i = 1; i <= 17; ++i) {
            double yi = ys[i - 1];
            double p = curve.beforeLimit(yi);
            const bool cut = p > curve.kx * yi;
            std::string marker;
            if (cut) {
                footnote = true;
                if (i == 16 || i == 17) {
                    yi = (i == 16 ? 0.0 : b) + curve.pu / curve.kx;
                    p = curve.pu;
                } else {
                    p = curve.kx * yi;
                    marker = "   *";
                }
            }
            WriteCurvePoint(run, i, ym * yi, pm * p, "): y, p, for sand", 50, 2, marker);
        }
        if (footnote) {
            r.blank();
            r.line("* p value(s) computed using p = k * Eff x * y ");
        }
        if (defaultK) {
            r.blank();
            r.line("The above p-y curve was computed using internal default values of k.");
            r.blank();
        } else {
            r.blank();
        }
    }
}

void Compute_PY_APISand(Run& run, const PyLayerCall& call) {
    auto& m = *run.model;
    const bool analysis = call.pass == PyPass::Analysis;
    const bool cyclic = m.options.cyclic;
    const int L = call.layer;
    const double h = run.nodes.h;
    const double K0 = f(0.4f);
    if (analysis) run.soil.layerResistance[L] = 0.0;
    double reportSum = 0.0;
    double& accumulated = analysis ? run.soil.layerResistance[L] : reportSum;
    double previousPr = 0.0;
    double F = 1.0;  // kept from node to node for deflections near zero
    const double theta = m.slopeMinusBatter;
    const double t = std::fabs(theta);
    for (int g = call.first; g <= call.last; ++g) {
        SandNode node;
        if (!readNode(run, call, g, node)) return;
        const NodeDepths& d = node.d;
        const double x = d.x, y = node.y, b = node.b, gamma = node.gamma;
        const double phiDegrees = node.phiDegrees, phi = node.phi, pm = node.pm, ym = node.ym;
        if (unusualFriction(phi)) RecordWarning(run.warnings, kWarningApiFrictionAngle);
        double k = SandLayerK(m.layers[L], x);
        bool defaultK = k < 0.0;
        if (defaultK || k == 0.0) {
            defaultK = true;
            if (!defaultSandK(phiDegrees, gamma, m.options.unitSystem, k)) return runtimeError13(run);
        }
        if (g != call.first && phi < kNoFriction) {
            WriteMessage(run, MessageTo::LogThenReport, {"**** Input Data Error No. 1 ****", "",
                                "An error was detected in the input data when computing a p-y.",
                                "curve using the API sand criteria for layer " + edit::I0(L) + ".", "",
                                "Problem:  Zero was input for the friction angle for sand.", "",
                                "Solution:  Check the friction angle values and revise the ",
                                "data to correct this problem.", ""});
            run.terminate(ErrorCode::Input(1));
            return;
        }
        SandAngles a = MakeSandAngles(phi, K0);
        if (t > 1e-10) {
            bool steep = false;
            const double sloped = slopedKa(a, theta, steep);
            if (steep) {
                WriteMessage(run, MessageTo::LogThenReport, {"**** Input Data Error No. 2 ****", "",
                                    "An error was detected in the input data when computing a p-y.",
                                    "curve using the API criteria for sand for layer " + edit::I0(L) + ".", "",
                                    "Problem:  The angle of the ground slope can not be greater ",
                                    "than the internal friction angle of the sand.", "",
                                    "Solution:  Set the value for slope angle to be less than ",
                                    "the angle of friction."});
                run.terminate(ErrorCode::Input(2));
                return;
            }
            a.Ka = sloped;
        }
        const double tb = std::tan(a.beta);
        const double C1 = tb * (std::tan(a.alpha) * a.Kp +
                                (std::sin(a.beta) * (1.0 / std::cos(a.alpha) + 1.0) * std::tan(phi) - std::tan(a.alpha)) *
                                    K0);
        const double C2 = a.Kp - a.Ka;
        const double C3 = a.Kp * a.Kp * (a.Kp + K0 * std::tan(phi)) - a.Ka;
        const double z = x - m.groundSurfaceDepth;
        const double zeq = EquivalentDepthAt(run, call, g, x, z, EquivalentDepthInput{b, 0.0, gamma, 0.0, phi, K0, z, cyclic});
        double pus = (C1 * zeq + C2 * b) * zeq * gamma;
        double pud = C3 * b * gamma * z;
        if (t > 1e-10) {
            if (y > kTinyDeflection || y == 0.0 || y < -kTinyDeflection) {
                const bool yUp = y > kTinyDeflection || y == 0.0;
                const bool thetaUp = theta > kTinyDeflection;
                const double tt = std::tan(t) * tb;
                F = yUp == thetaUp ? 1.0 + tt : 1.0 - tt;
            }
            if (F <= 1e-10) {
                pus = pud;
            } else {
                const double u = std::tan(t) * tb / F;
                const double G = (4.0 * u - 3.0) * u * u + 1.0;
                pus = SandWedgeResistance(a, gamma, zeq, b, F, G);  // with the sloping-ground Ka
            }
            a.Ka = MakeSandAngles(phi, K0).Ka;
            pud = SandFlowResistance(a, gamma, z, b);
        }
        const double pu = std::min(pus, pud);
        const ApiSandCurve curve{ApiSandFactorA(cyclic, zeq, b), pu, k, zeq};
        const double pr = curve.p(3.0 * b / 80.0);
        if (g != call.first) accumulated += (previousPr + pr) * h / 2.0;
        if (g == call.last) accumulated += (m.layers[L].bottomDepth - d.s) * pr;
        if (L == 1 && m.groundSurfaceDepth < kGroundAboveHead)
            accumulated = pr * 0.5 * (m.layers[1].bottomDepth - m.layers[1].topDepth);
        previousPr = pr;

        if (analysis) {
            const double yr = std::fabs(y - run.nodes.ysm[g]) / ym;
            const double Es = yr < kTinyDeflection ? k * zeq : pm * curve.p(yr) / (yr * ym);
            StoreSecantModulus(run, g, Es, d.s, false, false);
            continue;
        }

        auto& r = run.report;
        const std::string len = Trimmed(run.labels.length);
        auto F12 = [](double v, int dec) { return edit::F(v, 12, dec); };
        r.blank(2);
        r.line(cyclic ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                      : "p-y Curve Computed Using API Sand Criteria for Static Loading");
        r.blank();
        r.line("Soil Layer Number           = " + edit::I(L, 12));
        r.line("Depth below pile head       = " + F12(x, 3) + " " + len);
        r.line("Depth below ground surface  = " + F12(z, 3) + " " + len);
        r.line("Ground Slope Angle          = " + F12(m.groundSlope / kDegrees, 3) + " degrees");
        r.line("Pile Batter                 = " + F12(m.pileBatter / kDegrees, 3) + " degrees");
        r.line("Effective Slope             = " + F12(theta / kDegrees, 3) + " degrees");
        r.line("Equivalent Depth (see note) = " + F12(zeq, 3) + " " + len);
        r.line("Diameter                    = " + F12(b, 3) + " " + len);
        r.line("Friction Angle phi          = " + F12(phiDegrees, 3) + " deg.");
        r.line("Avg. Eff. Unit Wt.          = " + F12(gamma, 5) + " " + unit(run, "**3"));
        r.line("k                           = " + F12(k, 3) + " " + Trimmed(run.labels.unitWeight));
        r.line("C1                          = " + F12(C1, 5));
        r.line("C2                          = " + F12(C2, 5));
        r.line("C3                          = " + F12(C3, 5));
        r.line("A                           = " + F12(curve.A, 5));
        r.line("Pus                         = " + F12(pus, 3) + " " + unit(run, ""));
        r.line("Pud                         = " + F12(pud, 3) + " " + unit(run, ""));
        r.line("Pu                          = " + F12(pu, 3) + " " + unit(run, ""));
        r.line("p-multiplier                = " + F12(pm, 5));
        r.line("y-multiplier                = " + F12(ym, 5));
        r.blank();
        depthNote(run);
        r.line("        y, " + len + "             p, " + unit(run, ""));
        r.line("----------------    -----------------");
        WritePlotLine7(run, d.s, 17, "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ", g);
        double ys[17] = {0.0};
        for (int j = 1; j <= 12; ++j) ys[j] = j * b / 720.0;
        ys[13] = 3.0 * b / 80.0;
        for (int j = 1; j <= 3; ++j) ys[13 + j] = 3.0 * b / 80.0 + j * b;
        for (int i = 1; i <= 17; ++i) {
            const double yi = ys[i - 1];
            const double p = curve.p(yi);
            r.line(edit::F(ym * yi, 15, 4) + edit::F(pm * p, 17, 3));
            WriteCurvePlotPoint(run, i, ym * yi, pm * p, "): y, p, for API sand");
        }
        if (defaultK) {
            r.blank();
            r.line("The above p-y curve was computed using the internal default value of k.");
            r.blank();
        }
    }
}

}  // namespace drovi
