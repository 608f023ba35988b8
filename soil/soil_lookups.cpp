#include "soil/soil_lookups.h"

#include <cmath>
#include <string>

#include "engine/edit_format.h"
#include "engine/messages.h"

namespace drovi {
namespace {

constexpr double kDepthTolerance = 1e-6;

int strengthCount(const AnalysisModel& m) { return std::min(m.strengthPointCount, kMaxProfilePoints); }
int unitWeightCount(const AnalysisModel& m) { return std::min(m.profilePointCount, kMaxProfilePoints); }

void inputError5(Run& run, double x) {
    const auto& m = *run.model;
    const int n = strengthCount(m);
    const double last = n >= 1 ? m.strengthPoints[n].strengthDepth : 0.0;
    WriteMessage(run, MessageTo::ReportThenLog, {"**** Input Data Error No. 5 ****", "", "An error was detected that is related to an incompatibility",
            "between the input data defining pile embedment depth and soil ", "shear strength values versus depth.",
            "", "Problem:  The value for a pile station depth is " + edit::ES(x, 12, 4),
            "This depth is below the deepest extent of the input curve for",
            "soil shear strength versus depth at " + edit::F(last, 10, 3), "",
            "Solution:  Please revise the input data by either extending ",
            "the maximum depth for soil shear strength or shorten the ",
            "pile to be wholly within the defined soil layers.", ""});
    run.terminate(ErrorCode::Input(5));
}

const char* boolText(bool b) { return b ? "T" : "F"; }

// Free-format numbers of the diagnostics.
std::string freeFormat(double v) {
    std::string s(1, ' ');
    s += edit::ES(v, 24, 16);
    return s;
}

}  // namespace

InterfaceClass ClassifyForInterface(int model, double strength) {
    switch (static_cast<SoilModel>(model)) {
        case SoilModel::SoftClay:
        case SoilModel::StiffClayWithFreeWater:
        case SoilModel::StiffClayWithoutFreeWater:
        case SoilModel::StiffClayWithoutFreeWaterK:
            return InterfaceClass::Cohesive;
        case SoilModel::Sand:
        case SoilModel::ApiSand:
        case SoilModel::LiquefiedSand:
            return InterfaceClass::Cohesionless;
        case SoilModel::WeakRock:
        case SoilModel::VuggyLimestone:
            return InterfaceClass::Rock;
        case SoilModel::CementedSilt:
            return strength > 0.0 ? InterfaceClass::Cohesive : InterfaceClass::Cohesionless;
        case SoilModel::UserPy:
            return InterfaceClass::UserInput;
        case SoilModel::ElasticSubgrade:
            return InterfaceClass::Elastic;
        default:
            return InterfaceClass::None;
    }
}

double fn_c(Run& run, double x) {
    const auto& m = *run.model;
    const auto& pts = m.strengthPoints;
    const int n = strengthCount(m);
    bool& atNode = run.soil.b_AtNode;
    atNode = false;
    for (int j = 2; j <= n - 1; ++j)
        if (std::fabs(x - pts[j].strengthDepth) <= kDepthTolerance) atNode = true;
    int k = 0;
    for (int i = 2; i <= n; ++i) {
        if (x <= pts[i].strengthDepth + kDepthTolerance) {
            k = i;
            break;
        }
    }
    if (n < 2 || k == 0) {
        inputError5(run, x);
        return 0.0;
    }
    if (std::fabs(x - pts[n].strengthDepth) <= kDepthTolerance) return pts[n].cohesion;

    if (atNode) {
        int j = 1;
        for (; j + 1 <= m.layerCount; ++j)
            if (std::fabs(x - m.layers[j].bottomDepth) < kDepthTolerance &&
                std::fabs(x - m.layers[j + 1].topDepth) < kDepthTolerance)
                break;
        if (j + 1 > m.layerCount) {
            const int tried = j - 1;
            const double below = tried + 2 <= kMaxLayerSlots ? m.layers[tried + 2].topDepth : 0.0;
            for (const std::string& l :
                 {std::string(), std::string(), std::string("Internal error in function C (undrained shear strength)"),
                  std::string("The layer interface cannot be located"),
                  std::string("Please contact Maricol for support"), std::string(),
                  "Elevation             = " + freeFormat(x), std::string("b_AtInterface         =  T"),
                  std::string("b_InMiddle            =  F"),
                  std::string("b_AtTip               =  ") + boolText(x == m.pileLength),
                  std::string("b_AtNode              =  T"), "Layer index above     = " + edit::I(tried + 1, 12),
                  "Layer index below     = " + edit::I(tried + 2, 12),
                  "DABS(X-XLayerBottom(KTOP))    = " + freeFormat(std::fabs(x - m.layers[tried + 1].bottomDepth)),
                  "DABS(X-XLayerTop(KBOT))    = " + freeFormat(std::fabs(x - below))})
                run.report.line(l);
            run.terminate(ErrorCode::LookupFailure());
            return 0.0;
        }
        const double N = pts[k].cohesion;      // bottom of the upper layer
        const double U = pts[k + 1].cohesion;  // top of the lower layer
        if (x == m.pileLength) return N;
        const InterfaceClass upper = ClassifyForInterface(m.layers[j].model, N);
        const InterfaceClass lower = ClassifyForInterface(m.layers[j + 1].model, U);
        using C = InterfaceClass;
        const bool lowerSoil = lower == C::Cohesive || lower == C::Rock;
        switch (upper) {
            case C::Cohesive:
                if (lower == C::Cohesive) return (N + U) * 0.5;
                if (lower == C::Rock) return (2.0 * N + U) * 0.5;
                if (lower != C::None) return N;
                break;
            case C::Rock:
                if (lower == C::Cohesive) return (2.0 * U + N) * 0.5;
                if (lower == C::Rock) return (N + U) * 0.5;
                if (lower != C::None) return N;
                break;
            case C::Cohesionless:
            case C::UserInput:
            case C::Elastic:
                if (lowerSoil) return U;
                break;
            case C::None:
                break;
        }
        const std::string support = "Error in fn_c, please report by email to support@drovi.example ";
        for (const std::string& l :
             {std::string(), std::string(), std::string(" ***** Runtime Error No. 30 *****"), std::string(), support,
              std::string(), " X value for f(c) = " + freeFormat(x),
              std::string(" Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)"),
              " Soil type above        = " + edit::I(static_cast<int>(upper), 12),
              " Soil type below        = " + edit::I(static_cast<int>(lower), 12),
              std::string(" cohesionless           =            2"), std::string(" cohesive               =            1"),
              " JBOT index             = " + edit::I(k, 12) + " = index number of strength value below depth in question",
              std::string(" At tip condition       = ") + boolText(x == m.pileLength) + ", T = true, F = false",
              " KSOIL(JBOT/2)          = " + edit::I(m.layers[std::max(k / 2, 1)].model, 12),
              " KSOIL(JBOT/2+1)        = " + edit::I(m.layers[std::min(k / 2 + 1, kMaxLayerSlots)].model, 12)})
            run.report.line(l);
        run.terminate(ErrorCode::Runtime(30));
        return 0.0;
    }
    const double x0 = pts[k - 1].strengthDepth;
    const double x1 = pts[k].strengthDepth;
    if (x1 - x0 <= 0.0) {
        WriteMessage(run, MessageTo::ReportThenLog, {"**** Input Data Error No. 60 ****", "",
                "An error was found in the strength of soil input data when interpolating ",
                "to obtain values of cohesion or uniaxial compressive strength.", "",
                "Problem:  The depth increment between the upper and lower soil depths in a ",
                "layer is zero.  The depth of computation is " + edit::F(x, 10, 3), "",
                "Solution:  Examine the program output file to find the depth in question",
                "and correct the soil layer depth values. ", ""});
        run.terminate(ErrorCode::Input(60));
        return 0.0;
    }
    return pts[k - 1].cohesion + (x - x0) * (pts[k].cohesion - pts[k - 1].cohesion) / (x1 - x0);
}

namespace {

// The shared search of e50AtDepth and frictionAngleAtDepth; false below the
// profile.
bool valueAt(const AnalysisModel& m, double x, double StrengthPoint::*column, double& value) {
    const auto& pts = m.strengthPoints;
    const int n = strengthCount(m);
    int k = 0;
    for (int i = 2; i <= n; ++i) {
        if (x <= pts[i].strengthDepth) {
            k = i;
            break;
        }
    }
    if (k == 0) return false;
    const double xk = pts[k].strengthDepth;
    if (x == pts[n].strengthDepth) {
        value = pts[k].*column;
    } else if (x != xk) {
        const double x0 = pts[k - 1].strengthDepth;
        value = pts[k - 1].*column + (x - x0) * (pts[k].*column - pts[k - 1].*column) / (xk - x0);
    } else if (xk != pts[k + 1].strengthDepth) {
        value = pts[k].*column;
    } else {
        // On a layer interface.
        const double e1 = pts[k].*column;
        const double e2 = pts[k + 1].*column;
        constexpr double kAbsent = 1e-20;
        if (x == m.pileLength || e2 < kAbsent)
            value = e1;
        else if (e1 < kAbsent)
            value = e2;
        else
            value = (e1 + e2) * 0.5;
    }
    return true;
}

}  // namespace

double e50AtDepth(const Run& run, double x) {
    double v = 0.0;
    return valueAt(*run.model, x, &StrengthPoint::e50, v) ? v : 0.0;
}

double frictionAngleAtDepth(Run& run, double x) {
    double v = 0.0;
    if (valueAt(*run.model, x, &StrengthPoint::frictionAngle, v)) return v;
    WriteMessage(run, MessageTo::ReportThenLog, {"**** Input Data Error No. 4 ****", "", "An error was detected that is related to an incompatibility",
            "between the input data defining the embedment of the pile and",
            "the maximum depth of the soil shear strength data.", "",
            "Problem:  The value for a pile station depth is " + edit::ES(x, 12, 4),
            "This depth is below the deepest extent of the input data for", "soil friction angle versus depth.", "",
            "Solution:  Please revise the input data by either extending ",
            "the maximum depth for soil friction angle or shorten the ", "pile to correct this problem.", ""});
    run.terminate(ErrorCode::Input(4));
    return 0.0;
}

namespace {

// Trapezoidal average of a piecewise-linear list from its first point to x,
// over the depth zx below the ground surface.
double listAverage(double x, double zx, int n, const auto& depthOf, const auto& valueOf) {
    double total = 0.0;
    for (int k = 2; k <= n; ++k) {
        const double x0 = depthOf(k - 1);
        const double x1 = depthOf(k);
        if (x1 <= x) {
            total += (valueOf(k - 1) + valueOf(k)) * 0.5 * (x1 - x0);
            continue;
        }
        if (x1 - x0 >= 1e-6)
            total += (2.0 * valueOf(k - 1) + (valueOf(k) - valueOf(k - 1)) * (x - x0) / (x1 - x0)) * 0.5 * (x - x0);
        break;
    }
    return total / zx;
}

}  // namespace

double averageStrength(Run& run, double x) {
    const auto& m = *run.model;
    const double zx = x - m.groundSurfaceDepth;
    if (zx < 0.0) return 0.0;
    if (zx < 1e-6) return fn_c(run, x);
    const int n = strengthCount(m);
    if (n < 1 || x > m.strengthPoints[n].strengthDepth) {
        WriteMessage(run, MessageTo::LogThenReport, {"**** Input Data Error No. 3 ****", "", "An error was detected that is related to an incompatibility",
                "between the input data defining the embedment of the pile and",
                "the maximum depth of the soil shear strength data.", "",
                "The value for a pile station depth is " + edit::ES(x, 12, 4),
                "This depth is below the deepest extent of the input data for", "soil shear strength versus depth.", "",
                "Solution:", "Please revise the input data by either extending the maximum",
                "depth for soil shear strength or shorten the pile to correct", "this problem.", ""});
        run.terminate(ErrorCode::Input(3));
        return 0.0;
    }
    const auto& p = m.strengthPoints;
    return listAverage(x, zx, n, [&](int k) { return p[k].strengthDepth; }, [&](int k) { return p[k].cohesion; });
}

double averageUnitWeight(Run& run, double x) {
    const auto& m = *run.model;
    const double zx = x - m.groundSurfaceDepth;
    if (zx < 0.0) return 0.0;
    const auto& p = m.unitWeightPoints;
    const int n = unitWeightCount(m);
    if (zx < 1e-6) {
        for (int k = 1; k <= n; ++k)
            if (p[k].unitWeight > 0.0) return p[k].unitWeight;
        return n >= 1 ? p[n].unitWeight : 0.0;
    }
    if (n < 1 || x > p[n].profileDepth) {
        WriteMessage(run, MessageTo::LogThenReport, {"**** Input Data Error No. 15 ****", "",
                "An error was detected related to an incompatibility between ",
                "the data defining pile embedment depth and effective unit ", "weights versus depth.", "",
                "The value for a pile station depth is " + edit::ES(x, 12, 4),
                "This depth is below the deepest extent of the input curve for", "effective unit weight versus depth.",
                "", "Solution:", "Please revise the input data by either extending the maximum",
                "depth for effective unit weight or shorten the length of pile",
                "to be within the range of defined soil properties.", ""});
        run.terminate(ErrorCode::Input(15));
        return 0.0;
    }
    return listAverage(x, zx, n, [&](int k) { return p[k].profileDepth; }, [&](int k) { return p[k].unitWeight; });
}

namespace {

double multiplierAt(const AnalysisModel& m, double s, double PyModifier::*column) {
    const int n = std::min(m.pyModifierCount, kMaxPyModifiers);
    const auto& t = m.pyModifiers;
    // One row spans no depth range (the option alone sets a count of 1).
    if (n < 2 || s < t[1].depth || s > t[n].depth) return 1.0;
    int i = 2;
    while (i < n && s > t[i].depth) ++i;
    if (s == t[n].depth) return t[i].*column;
    if (s != t[i].depth) {
        const double d0 = t[i - 1].depth;
        return t[i - 1].*column + (s - d0) * (t[i].*column - t[i - 1].*column) / (t[i].depth - d0);
    }
    if (i < n && t[i + 1].depth == t[i].depth) return t[i + 1].*column;
    return t[i].*column;
}

}  // namespace

double pMultiplierAt(const AnalysisModel& m, double s) { return multiplierAt(m, s, &PyModifier::pMultiplier); }
double yMultiplierAt(const AnalysisModel& m, double s) { return multiplierAt(m, s, &PyModifier::yMultiplier); }

double LayerInterpolation(const AnalysisModel& m, int layer, double StrengthPoint::*column, double x) {
    const StrengthPoint& top = m.strengthPoints[2 * layer - 1];
    const StrengthPoint& bottom = m.strengthPoints[2 * layer];
    const double thickness = bottom.strengthDepth - top.strengthDepth;
    // A layer without thickness has one value.
    if (thickness == 0.0) return top.*column;
    return top.*column + (x - top.strengthDepth) * (bottom.*column - top.*column) / thickness;
}

}  // namespace drovi
