#include "report/load_case_report.h"

#include <cmath>
#include <string>

#include "engine/cells.h"
#include "engine/edit_format.h"
#include "model/unit_labels.h"
#include "pile/solver.h"
#include "report/plot_records.h"

namespace drovi {
namespace {

void pileHeadBlock(Run& run, const LoadCaseState& lc) {
    const bool si = run.model->options.unitSystem == UnitSystem::SI;
    auto& r = run.report;
    const auto& h = lc.head;
    auto fixed = [](double v, int d) { return edit::F(v, 15, d); };
    auto sci = [](double v) { return edit::ES(v, 15, 3); };
    switch (static_cast<HeadType>(h.type)) {
        case HeadType::ShearAndMoment:
            r.line("Pile-head conditions are Shear and Moment (Loading Type 1)");
            r.blank();
            r.line(LabelAt56("Horizontal shear force at pile head") + fixed(h.condition1, 3) + (si ? " kN" : " lbs"));
            r.line(LabelAt56("Applied moment at pile head        ") + fixed(h.condition2, 3) + (si ? " kN-m" : " in-lbs"));
            r.line(LabelAt56("Axial thrust load on pile head     ") + fixed(h.P, 3) + (si ? " kN" : " lbs"));
            r.blank();
            break;
        case HeadType::ShearAndSlope:
            r.line("Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)");
            r.blank();
            r.line(LabelAt56("Shear force at pile head") + fixed(h.condition1, 3) + (si ? " kN" : " lbs"));
            r.line(LabelAt56("Rotation of pile head   ") + sci(h.condition2) + " radians");
            r.line(LabelAt56("Axial load at pile head ") + fixed(h.P, 3) + (si ? " kN" : " lbs"));
            r.blank();
            r.line(h.condition2 == 0.0 ? "(Zero slope for this load indicates fixed-head conditions)"
                                       : "(Non-zero slope for this load does indicates rotated pile-head condition)");
            r.blank();
            break;
        case HeadType::ShearAndRotationalStiffness:
            r.line("Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)");
            r.line(LabelAt56("Shear force at pile head") + fixed(h.condition1, 3) + (si ? " kN" : " lb"));
            r.line(LabelAt56("Rotational stiffness    ") + fixed(h.condition2, 3) + (si ? " kN-m/rad" : " in-lb/rad"));
            r.line(LabelAt56("Axial load at pile head ") + fixed(h.P, 3) + (si ? " kN" : " lbs"));
            r.blank();
            break;
        case HeadType::DeflectionAndMoment:
            r.line("Pile-head conditions are Displacement and Moment (Loading Type 4)");
            r.line(LabelAt56("Displacement of pile head") + fixed(h.condition1, 6) + (si ? " meters" : " inches"));
            r.line(LabelAt56("Moment at pile head      ") + fixed(h.condition2, 3) + (si ? " kN-m" : " in-lbs"));
            r.line(LabelAt56("Axial load at pile head  ") + fixed(h.P, 3) + (si ? " kN" : " lbs"));
            r.blank();
            break;
        case HeadType::DeflectionAndSlope:
            r.line("Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)");
            r.line(LabelAt56("Displacement of pile head") + fixed(h.condition1, 6) + (si ? " meters" : " inches"));
            r.line(LabelAt56("Rotation of pile head    ") + sci(h.condition2) + " radians");
            r.line(LabelAt56("Axial load on pile head  ") + fixed(h.P, 3) + (si ? " kN" : " lbs"));
            r.blank();
            break;
    }
}

void tableHead(Run& run) {
    const bool si = run.model->options.unitSystem == UnitSystem::SI;
    auto& r = run.report;
    r.line("   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  Soil Spr.   Distrib. ");
    r.line("     X         y        Moment     Force         S       Stress   Stiffness      p         Es*h    Lat. Load ");
    r.line(si ? "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m        kN/m      kN/m    "
              : "   inches    inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in      lb/inch    lb/inch ");
    std::string rule;
    for (int i = 0; i < 10; ++i) rule += (i ? " " : "") + std::string(10, '-');
    r.line(rule);
}

void solutionWarning(Run& run, const EquilibriumImbalance& e) {
    const bool si = run.model->options.unitSystem == UnitSystem::SI;
    const std::string force = Trimmed(run.labels.force);
    const std::string moment = Trimmed(run.labels.length) + "-" + force;
    const char* explanation[] = {
        "Force and moment imbalances may be too large for a good solution.",
        "",
        "The cause of the imbalance may be due to extreme changes in magnitude",
        "of nonlinear bending stiffness within three nodal points of the top of the pile",
        "which may affect the finite difference computation of shear force.",
        "",
        "Please examine curves and printed output for deflection, moment, shear force,",
        "and number of iterations to determine if computed values are reasonable.",
        "If the shear force shows large changes, increase the number of nodal points",
        "(pile increments) and repeat the analysis.",
    };
    auto& g = run.log;
    g.blank(2);
    g.line(si ? "**** Warning - Possible Solution Error 550 ****" : "**** Warning - POSSIBLE SOLUTION ERROR 550 ****");
    g.blank();
    for (const char* l : explanation) g.line(l);
    g.blank();
    g.line("Maximum internal moment imbalance for pile solution         = " + edit::ES(e.moment, 12, 5) + " " + moment +
           " at node " + edit::I0(e.momentNode));
    g.line("Maximum internal lateral force imbalance for pile  solution = " + edit::ES(e.force, 12, 5) + " " + force +
           " at node " + edit::I0(e.forceNode));
    auto& r = run.report;
    r.blank(2);
    r.line(si ? "**** Warning - Possible Solution Error 5501 ****" : "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****");
    r.blank();
    for (const char* l : explanation) r.line(l);
    r.blank();
    r.line("Maximum internal moment imbalance for pile        = " + RealCell(e.moment, 14) + " " + moment);
    r.line("Maximum internal lateral force imbalance for pile = " + RealCell(e.force, 14) + " " + force);
}

}  // namespace

EquilibriumImbalance CheckEquilibrium(const Run& run, double headMoment) {
    const auto& n = run.nodes;
    const int N = n.count;
    const double h = n.h;
    const double P = run.loadCase.head.P;
    const auto& y = n.y;
    auto q = [&](int m) { return n.W[m] - n.Es[m] * y[m]; };
    auto moment = [&](int m) { return m == 1 ? headMoment : m == N ? 0.0 : n.M[m]; };
    auto shear = [&](int m) {
        if (m == 1) {
            const double S = (y[2] - y[0]) / (2.0 * h);
            return n.R[1] * (y[3] - 2.0 * y[2] + 2.0 * y[0] - y[-1]) / (2.0 * h * h * h) + P * S;
        }
        if (m == N) return 0.0;  // Vb(N) = -P S(N)
        return (n.M[m + 1] - n.M[m - 1]) / (2.0 * h) + P * (y[m + 1] - y[m - 1]) / (2.0 * h);
    };
    EquilibriumImbalance e;
    for (int k = 3; k <= N + 1; ++k) {
        const int i = k - 2, j = k - 1;
        double F = shear(i) - shear(j) + h * (q(i) + q(j)) / 2.0;
        if (k == N + 1) F -= run.loadCase.Vt;
        const double Mi = moment(i) - moment(j) + h * shear(i) + h * h * q(i) / 2.0 + P * (y[i] - y[j]);
        if (std::fabs(F) > std::fabs(e.force)) e.force = F, e.forceNode = k;
        if (std::fabs(Mi) > std::fabs(e.moment)) e.moment = Mi, e.momentNode = k;
    }
    return e;
}

int CountZeroDeflectionPoints(const PileNodes& n) {
    int count = 0;
    for (int k = 1; k <= n.count; ++k)
        if ((n.y[k] > 0.0 && n.y[k + 1] < 0.0) || (n.y[k] < 0.0 && n.y[k + 1] > 0.0)) ++count;
    return count;
}

void WriteLoadCaseResults(Run& run, int c) {
    const auto& m = *run.model;
    const auto& o = m.options;
    auto& n = run.nodes;
    auto& lc = run.loadCase;
    auto& r = run.report;
    const bool summaryOnly = o.printSummaryOnly;
    const bool unitBlocks = o.unitSystem == UnitSystem::USCS || o.unitSystem == UnitSystem::SI;
    const bool table = o.analysisType >= 3 && o.analysisType <= 5 && !summaryOnly;
    const int N = n.count;

    if (!summaryOnly) {
        const std::string dashes(80, '-');
        r.blank(2);
        r.line(dashes);
        r.line(std::string(17, ' ') + "Computed Values of Pile Loading and Deflection");
        r.line(std::string(19, ' ') + "for Lateral Loading for Load Case Number " + edit::I0(c));
        r.line(dashes);
        r.blank();
    }
    if (c == 1) WritePlotLine9(run.plot, m.loadCount, N, static_cast<int>(o.unitSystem));
    if (!summaryOnly && unitBlocks) pileHeadBlock(run, lc);
    if (table) tableHead(run);

    LoadCaseResult& res = run.results[c];
    res = LoadCaseResult{};
    const int step = o.printIncrement > 0 ? o.printIncrement : 1;
    for (int k = 1; k <= N; ++k) {
        NodeResponse(run, k);
        if (std::fabs(n.M[k]) > std::fabs(res.maxMoment)) res.maxMoment = n.M[k], res.depthOfMaxMoment = n.X[k];
        if (std::fabs(n.V[k]) > std::fabs(res.maxShear)) res.maxShear = n.V[k], res.depthOfMaxShear = n.X[k];
        WritePlotLine10(run.plot, k, n.X[k], n.y[k], n.M[k], n.V[k], n.p[k], n.R[k]);
        if (!table || (k - 1) % step != 0) continue;
        WriteRealCell(r, n.X[k], 10);
        for (double v : {n.y[k], n.M[k], n.V[k], n.S[k], n.stress[k], n.R[k], n.p[k]}) WriteRealCell(r, v, 11);
        const double spring = (k == 1 || k == N) ? n.Es[k] * n.h / 2.0 : n.Es[k] * n.h;
        WriteRealCell(r, spring, 11);
        WriteRealCell(r, n.W[k], 11);
        EndLine(r);
    }
    if (o.analysisType == 3 && !summaryOnly) {
        r.blank();
        r.line("* This analysis makes computations of pile response using nonlinear moment-curvature relationships. ");
        r.line("  The above values of total stress are computed for combined axial stress and do not equal the ");
        r.line("  actual stresses in concrete and steel in the range of nonlinear bending. ");
        r.blank();
    }
    // The head moment the check uses: the applied one, or the computed one.
    const bool momentApplied = lc.head.type == 1 || lc.head.type == 4;
    const EquilibriumImbalance e = CheckEquilibrium(run, momentApplied ? lc.head.condition2 : lc.headMoment);
    const bool si = o.unitSystem == UnitSystem::SI;
    const double limit = si ? kMomentImbalanceLimitSi : kMomentImbalanceLimitUscs;
    if (unitBlocks && std::fabs(e.moment) > limit) {
        solutionWarning(run, e);
    } else if (unitBlocks && !summaryOnly && !o.computeKmatrix) {
        r.blank();
        r.line("Output Verification: Computed forces and moments are within specified convergence limits.");
        r.blank();
    }

    res.type = lc.head.type;
    res.condition1 = lc.head.condition1;
    res.condition2 = lc.head.condition2;
    res.axialThrust = lc.head.P;
    res.headDeflection = n.y[1];
    res.headRotation = lc.headSlope;
    res.headShear = lc.headShear;
    res.headMoment = lc.headMoment;
    res.iterations = lc.iteration;
    for (int s = 1; s <= kMaxSections; ++s) {
        const int km = lc.maxima.sectionMomentNode[s];
        const int kv = lc.maxima.sectionShearNode[s];
        res.sectionMaxMoment[s] = km > 0 ? n.M[km] : 0.0;
        res.sectionMaxShear[s] = kv > 0 ? n.V[kv] : 0.0;
    }
    res.zeroDeflectionPoints = CountZeroDeflectionPoints(n);

    if (summaryOnly || !unitBlocks) return;
    const bool siUnits = si;
    r.blank();
    r.line("Output Summary for Load Case No. " + edit::I0(c) + ":");
    r.blank();
    auto row = [&](const char* label, double v, const char* uscs, const char* siu) {
        r.line(std::string(label) + RealCell(v, 14) + (siUnits ? siu : uscs));
    };
    row("Pile-head deflection             = ", res.headDeflection, " inches", " meters");
    row("Computed slope at pile head      = ", res.headRotation, " radians", " radians");
    row("Maximum bending moment           = ", res.maxMoment, " inch-lbs", " kN-m");
    row("Maximum shear force              = ", res.maxShear, " lbs", " kN");
    row("Depth of maximum bending moment  = ", res.depthOfMaxMoment, " inches below pile head",
        " meters below pile head");
    row("Depth of maximum shear force     = ", res.depthOfMaxShear, " inches below pile head",
        " meters below pile head");
    r.line("Number of iterations             = " + edit::I(res.iterations, 14));
    r.line("Number of zero deflection points = " + edit::I(res.zeroDeflectionPoints, 14));
}

}  // namespace drovi
