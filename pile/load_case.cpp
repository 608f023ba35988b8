#include "pile/load_case.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "engine/edit_format.h"
#include "engine/messages.h"
#include "pile/discretization.h"
#include "pile/pile_lookups.h"
#include "pile/solver.h"
#include "section/direct_ei_tables.h"
#include "soil/py_models.h"

namespace drovi {
namespace {

constexpr double kPoundsPerKip = 1000.0;

void excessDeflection(Run& run) {
    const std::string len = run.labels.length;
    const double y1 = run.nodes.y[1];
    const double limit = run.model->options.maxDeflection;
    auto& r = run.report;
    r.blank(2);
    r.line("**** Runtime Error No. 9 ****");
    r.blank();
    r.line("An error in the analysis was detected by the program.  ");
    r.blank();
    r.line("Problem:  The computed deflection is larger than the specified excess deflection limit.");
    r.blank();
    r.line("The computed deflection of the pile head is " + edit::ES(y1, 12, 4) + " " + len);
    r.blank();
    r.line("The specified excess deflection limit is    " + edit::ES(limit, 12, 4) + " " + len);
    r.blank();
    r.line("This error may be due to overloading the pile or bad input data.");
    r.blank(2);
    r.line("Solution:");
    r.blank();
    r.line("Please check input values for pile loading and soil properties for accuracy and/or ");
    r.line("increase the size of the pile if necessary.");
    auto& g = run.log;
    g.blank(2);
    g.line("**** Runtime Error No. 9 ****");
    g.blank();
    g.line("An error in the analysis was detected by the program.  ");
    g.blank();
    g.line("Problem:  The computed deflection is larger than the specified excess deflection limit.");
    g.blank();
    g.line("The computed deflection of the pile head is " + edit::ES(y1, 12, 4) + " " + len);
    g.line("The specified excess deflection limit is    " + edit::ES(limit, 12, 4) + " " + len);
    g.blank();
    g.line("This error may be due to overloading the pile or bad input data.");
    g.blank();
    g.line("Solution:");
    g.line("Please check input values for pile loading and soil properties for accuracy and/or ");
    g.line("increase the size of the pile if necessary.");
    run.terminate(ErrorCode::Runtime(9));
}

void noConvergence(Run& run) {
    const std::string len = run.labels.length;
    auto& r = run.report;
    r.blank(2);
    r.line("**** Runtime Error No. 10 ****");
    r.blank();
    r.line("The analysis failed to converge within the limit of " + edit::I0(run.model->options.maxIterations) +
           " iterations.");
    r.blank();
    r.line("Maximum change in deflection    = " + edit::ES(run.loadCase.dYmax, 10, 3) + " " + len);
    r.blank();
    r.line("Specified convergence tolerance = " + edit::ES(run.model->options.convergenceTolerance, 10, 3) + " " + len);
    r.blank();
    run.terminate(ErrorCode::Runtime(10));
}

void thinLayer(Run& run, int j) {
    const auto& m = *run.model;
    const auto& n = run.nodes;
    const double thickness = n.layerBottom[j] - n.layerTop[j];
    const std::string inc = run.labels.incrementLength;
    const double ratio = thickness > 0.0 ? n.length / thickness : 0.0;
    const int needed = ratio < 2e9 ? static_cast<int>(ratio) : 2000000000;
    WriteMessage(
        run, MessageTo::ReportThenLog,
        {"", "", "**** Runtime Error No. 29 ****", "",
         "PROBLEM:  The thickness of layer " + edit::I0(j) + " was too thin to contain a nodal point.",
         "          This layer lacks a nodal point and this prevents the correct computation of the "
         "layer's p-y curves. ",
         "          The thickness of layer " + edit::I0(j) + " is " + edit::F(thickness, 9, 3) + " " + inc +
             " and the pile increment length is " + edit::F(n.length / n.increments, 9, 3) + " " + inc,
         "          The current number of pile increments is " + edit::I0(m.options.pileIncrements) + ".",
         "          The estimated minimum number of increments needed to get at least one nodal point in "
         "the layer is " +
             edit::I0(needed) + ".",
         "", "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed in Drovi.",
         "          If this error occurs with the maximum number of pile increments, you will need to "
         "combine the thinnest",
         "          soil layer with an adjacent layer.", "", ""});
    run.status.set(229);
}

// Written into a fixed buffer: the iteration allocates nothing, its log
// lines included (the 12-character numbers fit the strings' own storage).
void iterationLine(Run& run, int c, int it) {
    const auto& lc = run.loadCase;
    const std::string y1 = edit::ES(run.nodes.y[1], 12, 4);
    const std::string dy = edit::ES(lc.dYmax, 12, 4);
    char line[128];
    char head[32];
    char start[64];
    // "Iteration" from column 20, "Y(top)" from column 36.
    std::snprintf(head, sizeof head, "Analysis Case %d,", c);
    std::snprintf(start, sizeof start, "%-19sIteration %d,", head, it);
    std::snprintf(line, sizeof line, "%-35sY(top) = %s, dYmax = %s", start, y1.c_str(), dy.c_str());
    run.log.line(line);
    if (it > run.model->options.maxIterations - 5) {
        std::snprintf(head, sizeof head, "Iteration %d,", it);
        std::snprintf(line, sizeof line, "%-15s Y(top) = %s, dYmax = %s", head, y1.c_str(), dy.c_str());
        run.report.line(line);
    }
}

// The thrust in the tables' force unit: kips in USCS.
double tableThrust(const Run& run) {
    const double P = run.loadCase.head.P;
    return run.model->options.unitSystem == UnitSystem::USCS ? P / kPoundsPerKip : P;
}

bool nonlinearStiffness(const Run& run) {
    const int type = run.model->options.analysisType;
    return type >= 3 && type <= 5;
}

// Stiffness of node k from the table of section s at thrust level t.
double tableStiffness(const Run& run, int s, int t, int k, double Mtable, double phi) {
    const MomentCurvatureTable::Thrust& table = run.mcTable->at(s, t);
    const int n = table.pointCount;
    if (n < 1) return run.nodes.R[k];
    const auto& pts = table.points;
    if (std::fabs(Mtable) <= pts[1].moment || phi <= pts[1].curvature) return pts[1].stiffness;
    if (phi >= pts[n].curvature) return pts[n].moment / phi;
    int i = 1;
    while (i < n - 1 && pts[i + 1].curvature < phi) ++i;
    const double M = pts[i].moment + (pts[i + 1].moment - pts[i].moment) * (phi - pts[i].curvature) /
                                         (pts[i + 1].curvature - pts[i].curvature);
    return M / phi;
}

}  // namespace

bool Converged(double dYmax, double tolerance, int it) { return dYmax <= tolerance && it >= kMinSolutions; }

bool ExcessDeflection(double dYmax, double tolerance, int it, double headDeflection, double limit) {
    return dYmax > tolerance && it >= kFirstExcessDeflectionTest && std::fabs(headDeflection) >= limit;
}

int ThrustLevel(const AnalysisModel& m, double Pprime) {
    const int n = std::max(m.axialThrustCount, 1);
    if (Pprime <= m.axialThrustValues[1]) return 1;
    if (Pprime >= m.axialThrustValues[n]) return n;
    int t = 1;
    while (t < n && m.axialThrustValues[t + 1] <= Pprime) ++t;
    return t;
}

void UpdateSoilModuli(Run& run, int it) {
    RunPyAnalysisPass(run);
    if (run.failed() || it != 1) return;
    const auto& n = run.nodes;
    for (int j = 2; j <= run.model->layerCount; ++j) {
        if (n.i_TopNodeInLayer[j] != 0) continue;
        if (n.layerTop[j] < n.Z[n.count] && run.soil.equivalentTopDepth[j] == kNoEquivalentDepth &&
            !run.soil.noEquivalentDepth[j])
            return thinLayer(run, j);
    }
}

void UpdateBendingStiffness(Run& run, int t, double Pprime) {
    auto& nd = run.nodes;
    const auto& m = *run.model;
    const bool uscs = m.options.unitSystem == UnitSystem::USCS;
    const double scale = uscs ? kPoundsPerKip : 1.0;
    const int N = nd.count;
    const double h = nd.h;
    const int levels = m.axialThrustCount;
    for (int k = 1; k <= N; ++k) {
        const int s = nd.sectionOfNode[k];
        const int type = m.sections[s].sectionType;
        if (type == static_cast<int>(SectionType::Elastic)) continue;
        NodeResponse(run, k);
        const double Mtable = nd.M[k] / scale;
        const double phiSigned = k < N ? (nd.y[k + 1] - 2.0 * nd.y[k] + nd.y[k - 1]) / (h * h) : 0.0;
        if (type == static_cast<int>(SectionType::ElasticWithMomentCapacity)) {
            const double Mc = nd.plasticMoment[k] / scale;
            const double lowerBound = run.mcTable->at(s, t).points[1].moment;
            const double Mu = std::max(std::fabs(Mtable), lowerBound);
            if (Mc > Mu) {
                nd.R[k] = nd.elasticStiffness[k];
            } else if (k < N && phiSigned != 0.0) {
                nd.R[k] = std::fabs(Mc / phiSigned) * scale;
            }
            continue;
        }
        const double phi = std::fabs(phiSigned);
        double R = tableStiffness(run, s, t, k, Mtable, phi);
        const auto& table = run.mcTable->at(s, t);
        if (table.pointCount > 0 && std::fabs(Mtable) > table.points[1].moment &&
            phi >= table.points[table.pointCount].curvature) {
            nd.atMomentCapacity[k] = true;
            run.loadCase.reachedMomentCapacity = true;
        }
        R *= scale;
        if (t < levels && Pprime > m.axialThrustValues[t]) {
            const double Rn = tableStiffness(run, s, t + 1, k, Mtable, phi) * scale;
            const double P0 = m.axialThrustValues[t];
            const double P1 = m.axialThrustValues[t + 1];
            R = Rn - (Rn - R) * (P1 - Pprime) / (P1 - P0);
        }
        nd.R[k] = R;
    }
    nd.R[3] = nd.R[2];
}

void RunLoadCase(Run& run, int c) {
    auto& m = *run.model;
    auto& nd = run.nodes;
    auto& lc = run.loadCase;
    lc = LoadCaseState{};
    lc.number = c;
    DiscretizePile(m, nd);
    InitNodeState(m, nd);
    MapNodesToSections(m, nd);
    MapNodesToLayers(m, nd, nd.count, run.report);
    if (m.soilMovementCount >= 2) MapSoilMovement(m, nd);
    char start[80];
    std::snprintf(start, sizeof start, "Computing lateral response of pile for load number %d", c);
    run.log.line(start);
    ClearWarningCounts(run.warnings);
    nd.y.fill(0.0);
    for (int k = 1; k <= nd.count; ++k) nd.atMomentCapacity[k] = false;

    const PileHeadLoad& load = m.loads[c];
    lc.head = {load.type, load.condition1, load.condition2, load.axialThrust};
    if (nonlinearStiffness(run)) UpdateBendingStiffness(run, ThrustLevel(m, tableThrust(run)), tableThrust(run));

    const auto& o = m.options;
    for (int it = 1; it <= o.maxIterations; ++it) {
        lc.iteration = it;
        ClearResponseMaxima(lc.maxima, false);
        SolvePile(run);
        if (run.failed()) return;
        if (std::isnan(nd.y[1]) || std::isnan(lc.dYmax)) {
            run.report.line("**** COMPUTATION ERROR 28 ****");
            run.report.line("Either top deflection or DYMAX is not a number after iteration " + edit::I0(it));
            run.status.set(228);
            return;
        }
        iterationLine(run, c, it);
        if (Converged(lc.dYmax, o.convergenceTolerance, it)) {
            run.log.line("Convergence Criteria Met");
            ClearResponseMaxima(lc.maxima, true);
            return;
        }
        if (ExcessDeflection(lc.dYmax, o.convergenceTolerance, it, nd.y[1], o.maxDeflection))
            return excessDeflection(run);
        UpdateSoilModuli(run, it);
        if (run.failed()) return;
        if (nonlinearStiffness(run)) UpdateBendingStiffness(run, ThrustLevel(m, tableThrust(run)), tableThrust(run));
    }
    noConvergence(run);
}

void OutputPyCurvesAtDepths(Run& run) {
    auto& m = *run.model;
    auto& nd = run.nodes;
    const std::string dashes(80, '-');
    run.report.line(dashes);
    run.report.line(std::string(20, ' ') + "p-y Curves Reported for Specified Depths");
    run.report.line(dashes);
    const int count = std::min(m.pyOutputDepthCount, kMaxPyOutputDepths);
    int usable = count;
    for (int i = 1; i <= count; ++i) {
        const double depth = m.pyOutputDepths[i];
        if (depth < m.groundSurfaceDepth) {
            const std::string len = run.labels.length;
            WriteMessage(run, MessageTo::ReportThenLog,
                         {"**** Input Data Error No. 23 (NON-FATAL) ****", "",
                          "p-y curves cannot be generated at depth number " + edit::I0(i),
                          "This location is " + edit::F(depth, 9, 3) + " " + len + " below the pile head and ",
                          "is above the ground surface for this problem.", "",
                          "The ground surface is " + edit::F(m.groundSurfaceDepth, 9, 3) + " " + len +
                              " below the top of the pile.",
                          ""});
            edit::Record r;
            r.put(edit::ES(depth, 15, 7)).put(edit::I(0, 5)).skip(60).put("Line 7:  p-y curve depth, no. p-y points");
            run.plot.line(r.str());
            usable = 0;
            break;
        }
        nd.X[i] = depth;
    }
    if (usable > 0) {
        MapDepthsToLayers(m, nd, usable, run.report);
        RunPyCurveReportPass(run);
    }
    DiscretizePile(m, nd);
    MapNodesToLayers(m, nd, nd.count, run.report);
}

}  // namespace drovi
