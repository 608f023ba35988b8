#include "pile/solver.h"

#include <cmath>
#include <string>

#include "engine/edit_format.h"
#include "engine/messages.h"
#include "pile/pile_lookups.h"

namespace drovi {
namespace {

constexpr double kSmallestPivot = 1E-20;

// Tip shear from the tip-shear curve at the tip's previous deflection.
double tipShear(const AnalysisModel& m, double yTip, double previous) {
    const int n = std::min(m.tipShearPointCount, kMaxTipShearPoints);
    if (n < 1) return 0.0;
    const auto& t = m.tipShearCurve;
    const double a = std::fabs(yTip);
    double v = previous;
    auto lerp = [&](int i) {
        const double d0 = t[i - 1].displacement;
        const double d1 = t[i].displacement;
        return d1 != d0 ? t[i - 1].shear + (t[i].shear - t[i - 1].shear) * (a - d0) / (d1 - d0) : t[i].shear;
    };
    if (n >= 2) {
        if (a <= t[2].displacement) {
            v = lerp(2);
        } else {
            for (int i = 3; i <= n; ++i)
                if (t[i].displacement >= a) {
                    v = lerp(i);
                    break;
                }
        }
    }
    if (a > t[n].displacement) v = t[n].shear;
    return yTip < 0.0 ? -v : v;
}

// The recursion y(k) = B(k) y(k-1) - A(k) y(k-2) + C(k) + E(k), from the tip up.
void eliminateFromTip(Run& run, double Rh) {
    const auto& nd = run.nodes;
    auto& w = run.solver;
    const int N = nd.count;
    const double h = nd.h;
    const double h4 = h * h * h * h;
    const double Ph2 = run.loadCase.head.P * h * h;
    const double Vt = run.loadCase.Vt;
    auto R = [&](int k) { return k <= 1 ? Rh : nd.R[k]; };

    w.D[N] = nd.Es[N] * h4 + R(N - 1) + R(N) - 2.0 * Ph2;
    w.A[N] = (R(N) + R(N - 1)) / w.D[N];
    w.B[N] = 2.0 * (R(N) + R(N - 1) - Ph2) / w.D[N];
    w.C[N] = nd.W[N] * h4 / w.D[N];
    w.E[N] = -2.0 * Vt * h * h * h / w.D[N];

    const int M = N - 1;
    const double t = 2.0 * R(M) - Ph2;
    w.D[M] = R(M - 1) + 4.0 * R(M) + nd.Es[M] * h4 - 2.0 * Ph2 - w.B[N] * t;
    w.A[M] = R(M - 1) / w.D[M];
    w.B[M] = (2.0 * (R(M) * (1.0 - w.A[N]) + R(M - 1)) - (1.0 - w.A[N]) * Ph2) / w.D[M];
    w.C[M] = (nd.W[M] * h4 + w.C[N] * t) / w.D[M];
    w.E[M] = w.E[N] * t / w.D[M];

    for (int k = N - 2; k >= 1; --k) {
        const double T = 2.0 * R(k) + (2.0 - w.B[k + 2]) * R(k + 1) - Ph2;
        w.D[k] = (2.0 * R(k) - Ph2) * (2.0 - w.B[k + 1]) + nd.Es[k] * h4 + R(k - 1) +
                 ((1.0 - w.A[k + 2]) - w.B[k + 1] * (2.0 - w.B[k + 2])) * R(k + 1);
        w.A[k] = R(k - 1) / w.D[k];
        w.B[k] = (2.0 * (R(k) + R(k - 1)) - (1.0 - w.A[k + 1]) * Ph2 -
                  w.A[k + 1] * (2.0 * R(k) + (2.0 - w.B[k + 2]) * R(k + 1))) /
                 w.D[k];
        w.C[k] = (nd.W[k] * h4 + w.C[k + 1] * T - w.C[k + 2] * R(k + 1)) / w.D[k];
        w.E[k] = (w.E[k + 1] * T - w.E[k + 2] * R(k + 1)) / w.D[k];
    }
}

void pivotFailure(Run& run, int row, double pivot) {
    WriteMessage(run, MessageTo::ReportThenLog,
                 {"**** Runtime Error No. 11 ****", "", "Problem:  Solution failed due to small pivot value.",
                  "          Node number = " + edit::I0(row), "          Pivot value = " + edit::ES(pivot, 12, 5), "",
                  "Solution: This error usually occurs when a lateral bearing capacity failure",
                  "          occurs.  Reduce the load on the pile and repeat the analysis.",
                  "          You may also consider increasing pile diameter or pile length."});
    auto& w = run.solver;
    auto& r = run.report;
    r.blank(2);
    r.line("F Matrix ");
    r.blank();
    for (int j = 0; j < 5; ++j) {  // column by column
        std::string line;
        for (int i = 0; i < 5; ++i) line += edit::ES(w.F[i][j], 12, 4);
        r.line(line);
    }
    r.blank(2);
    r.line("G Vector ");
    r.blank();
    for (double g : w.G) r.line(edit::ES(g, 12, 4));
    r.blank(2);
    r.line("YG Vector");
    r.blank();
    for (double x : w.X) r.line(edit::ES(x, 12, 4));
    run.terminate(ErrorCode::Runtime(11));
}

}  // namespace

// Gaussian elimination in the given row order; false on a vanishing pivot.
bool SolveHeadSystem(Run& run, int n) {
    auto& w = run.solver;
    for (int j = 0; j < n - 1; ++j) {
        if (std::fabs(w.F[j][j]) < kSmallestPivot) {
            pivotFailure(run, j + 1, w.F[j][j]);
            return false;
        }
        for (int i = j + 1; i < n; ++i) {
            if (w.F[i][j] == 0.0) continue;
            const double f = w.F[i][j] / w.F[j][j];
            for (int c = j; c < n; ++c) w.F[i][c] -= f * w.F[j][c];
            w.G[i] -= f * w.G[j];
        }
    }
    for (int i = n - 1; i >= 0; --i) {
        double sum = w.G[i];
        for (int c = i + 1; c < n; ++c) sum -= w.F[i][c] * w.X[c];
        w.X[i] = sum / w.F[i][i];
    }
    return true;
}

void SolvePile(Run& run) {
    auto& nd = run.nodes;
    auto& w = run.solver;
    auto& lc = run.loadCase;
    const int N = nd.count;
    const double h = nd.h;
    nd.R[1] = nd.R[2];
    const double Rh = nd.R[1];
    lc.Vt = run.model->tipShearPointCount > 0 ? tipShear(*run.model, nd.y[N], lc.Vt) : 0.0;
    eliminateFromTip(run, Rh);

    const int type = lc.head.type;
    const double c1 = lc.head.condition1;
    const double c2 = lc.head.condition2;
    const double Ph2 = lc.head.P * h * h;
    const double y1 = nd.y[1];
    const double y2 = nd.y[2];
    for (auto& row : w.F)
        for (double& v : row) v = 0.0;
    for (double& v : w.G) v = 0.0;
    for (double& v : w.X) v = 0.0;

    if (type >= 1 && type <= 3) {
        // Unknowns y(3), y(2), y(1), y(0), y(-1).
        const double a = 2.0 - Ph2 / Rh;
        double(&F)[5][5] = w.F;
        F[0][0] = 1.0, F[0][1] = -a, F[0][3] = a, F[0][4] = -1.0, w.G[0] = 2.0 * c1 * h * h * h / Rh;
        F[1][0] = 1.0, F[1][1] = -w.B[3], F[1][2] = w.A[3], w.G[1] = w.C[3] + w.E[3];
        F[2][1] = 1.0, F[2][2] = -w.B[2], F[2][3] = w.A[2], w.G[2] = w.C[2] + w.E[2];
        if (type == 1) {
            F[3][1] = 1.0, F[3][2] = -2.0, F[3][3] = 1.0, w.G[3] = c2 * h * h / Rh;
        } else if (type == 2) {
            F[3][1] = 1.0, F[3][3] = -1.0, w.G[3] = 2.0 * h * c2;
        } else {
            const double kappa = h * c2 / (2.0 * Rh);
            F[3][1] = 1.0 - kappa, F[3][2] = -2.0, F[3][3] = 1.0 + kappa, w.G[3] = 0.0;
        }
        F[4][2] = 1.0, F[4][3] = -w.B[1], F[4][4] = w.A[1], w.G[4] = w.C[1] + w.E[1];
        if (!SolveHeadSystem(run, 5)) return;
        nd.y[3] = w.X[0], nd.y[2] = w.X[1], nd.y[1] = w.X[2], nd.y[0] = w.X[3], nd.y[-1] = w.X[4];
    } else if (type == 4) {
        // Unknowns y(2), y(1), y(0), y(-1).
        double(&F)[5][5] = w.F;
        F[0][0] = 1.0, F[0][1] = -2.0, F[0][2] = 1.0, w.G[0] = c2 * h * h / Rh;
        F[1][1] = 1.0, w.G[1] = c1;
        F[2][0] = 1.0, F[2][1] = -w.B[2], F[2][2] = w.A[2], w.G[2] = w.C[2] + w.E[2];
        F[3][1] = 1.0, F[3][2] = -w.B[1], F[3][3] = w.A[1], w.G[3] = w.C[1] + w.E[1];
        if (!SolveHeadSystem(run, 4)) return;
        nd.y[2] = w.X[0], nd.y[1] = w.X[1], nd.y[0] = w.X[2], nd.y[-1] = w.X[3];
    } else {
        const double g = 2.0 * h * c2;
        nd.y[1] = c1 + nd.ysm[1];
        nd.y[2] = (w.B[2] * nd.y[1] + w.A[2] * g + w.C[2] + w.E[2]) / (1.0 + w.A[2]);
        nd.y[0] = nd.y[2] - g;
        nd.y[-1] = (w.B[1] * nd.y[0] - nd.y[1] + w.C[1] + w.E[1]) / w.A[1];
    }

    double dYmax = std::max(std::fabs(nd.y[1] - y1), std::fabs(nd.y[2] - y2));
    for (int k = 3; k <= N; ++k) {
        const double y = w.B[k] * nd.y[k - 1] - w.A[k] * nd.y[k - 2] + w.C[k] + w.E[k];
        dYmax = std::max(dYmax, std::fabs(y - nd.y[k]));
        nd.y[k] = y;
    }
    nd.y[N + 1] = 2.0 * nd.y[N] - nd.y[N - 1];
    lc.dYmax = dYmax;
}

void ClearResponseMaxima(ResponseMaxima& m, bool sectionsToo) {
    m.moment = m.momentDepth = m.shear = m.shearDepth = m.stress = 0.0;
    if (!sectionsToo) return;
    m.sectionMoment.fill(0.0);
    m.sectionShear.fill(0.0);
    m.sectionMomentNode.fill(0);
    m.sectionShearNode.fill(0);
}

namespace {

// Width for the bending stress: the pile's, or for an embedded pole the
// pole's own width rather than the drilled hole's.
double stressWidth(const AnalysisModel& m, int section, double x, double profileWidth) {
    const PileSection& s = m.sections[section];
    const bool elastic = s.sectionType == static_cast<int>(SectionType::Elastic) ||
                         s.sectionType == static_cast<int>(SectionType::ElasticWithMomentCapacity);
    if (!elastic || s.elastic.shape != static_cast<int>(ElasticShape::EmbeddedCircularPole)) return profileWidth;
    const double top = m.dimensionProfile[2 * section - 1].depth;
    const double bottom = m.dimensionProfile[2 * section].depth;
    const double f = bottom > top ? (x - top) / (bottom - top) : 0.0;
    return s.elastic.topWidth + (s.elastic.bottomWidth - s.elastic.topWidth) * f;
}

}  // namespace

void NodeResponse(Run& run, int k) {
    auto& nd = run.nodes;
    auto& lc = run.loadCase;
    const auto& m = *run.model;
    const int N = nd.count;
    const double h = nd.h;
    const double P = lc.head.P;
    const bool type5 = lc.head.type == static_cast<int>(HeadType::DeflectionAndSlope);
    nd.R[1] = nd.R[2];
    const auto& y = nd.y;
    double M = 0.0, V = 0.0, S = 0.0;
    if (k == 1) {
        const double Rh = nd.R[1];
        M = Rh * (y[2] - 2.0 * y[1] + y[0]) / (h * h);
        V = 0.5 * Rh * (y[3] - 2.0 * y[2] + 2.0 * y[0] - y[-1]) / (h * h * h) + 0.5 * P * (y[2] - y[0]) / h;
        S = (y[2] - y[0]) / (2.0 * h);
        if (type5) {
            lc.M1 = M;
            const double M2 = Rh * (y[1] - 2.0 * y[2] + y[3]) / (h * h);
            lc.M3 = Rh * (y[2] - 2.0 * y[3] + y[4]) / (h * h);
            S = (4.0 * y[2] - 3.0 * y[1] - y[3]) / (2.0 * h);
            V = P * S + (4.0 * M2 - 3.0 * lc.M1 - lc.M3) / (2.0 * h);
        }
        lc.headShear = V;
        lc.headMoment = M;
        lc.headSlope = type5 ? lc.head.condition2 : S;
    } else if (k < N) {
        M = nd.R[k] * (y[k + 1] - 2.0 * y[k] + y[k - 1]) / (h * h);
        S = (y[k + 1] - y[k - 1]) / (2.0 * h);
        if (k >= 3) {
            V = 0.5 * P * (y[k + 1] - y[k - 1]) / h +
                0.5 * nd.R[k + 1] * (y[k + 2] - 2.0 * y[k + 1] + y[k]) / (h * h * h) -
                0.5 * nd.R[k - 1] * (y[k] - 2.0 * y[k - 1] + y[k - 2]) / (h * h * h);
        } else if (type5) {
            V = (lc.M3 - lc.M1) / (2.0 * h) + P * (y[3] - y[1]) / (2.0 * h);
        } else {
            V = 0.5 * P * (y[3] - y[1]) / h + 0.5 * nd.R[2] * (y[4] - 2.0 * y[3] + 2.0 * y[1] - y[0]) / (h * h * h);
        }
    } else {
        M = 0.0;
        V = lc.Vt;
        S = (y[N] - y[N - 1]) / h;
    }
    nd.M[k] = M;
    nd.V[k] = V;
    nd.S[k] = S;
    nd.p[k] = m.soilMovementCount > 0 ? -nd.Es[k] * (y[k] - nd.ysm[k]) - distributedLoadAverage(m, nd.X[k], h)
                                      : -nd.Es[k] * y[k];

    auto& mx = lc.maxima;
    if (std::fabs(M) > mx.moment) mx.moment = std::fabs(M), mx.momentDepth = nd.X[k];
    if (std::fabs(V) > mx.shear) mx.shear = std::fabs(V), mx.shearDepth = nd.X[k];
    const int s = nd.sectionOfNode[k];
    if (s >= 1 && s <= kMaxSections) {
        if (std::fabs(M) > mx.sectionMoment[s]) mx.sectionMoment[s] = std::fabs(M), mx.sectionMomentNode[s] = k;
        if (std::fabs(V) > mx.sectionShear[s]) mx.sectionShear[s] = std::fabs(V), mx.sectionShearNode[s] = k;
        const PileProperties props = pilePropertiesAt(m, nd.X[k]);
        double stress = 0.0;
        if (props.area != 0.0 && props.inertia != 0.0) {
            const double b = stressWidth(m, s, nd.X[k], props.width);
            stress = std::fabs(P) / props.area + std::fabs(M) * (b / 2.0) / props.inertia;
        }
        nd.stress[k] = stress;
        if (stress > mx.stress) mx.stress = stress;
    }
}

}  // namespace drovi
