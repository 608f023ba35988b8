#include "report/plot_records.h"

#include <string>

#include "engine/edit_format.h"
#include "model/analysis_model.h"

namespace drovi {

void WritePlotLine1(PlotWriter& plot, const AnalysisModel& model) {
    const auto& o = model.options;
    edit::Record r;
    r.put(edit::I(o.analysisType, 5))
        .put(edit::I(static_cast<int>(o.unitSystem), 5))
        .put(edit::I(o.embedmentLengthOption, 5))
        .put(edit::I(o.computeKmatrix ? 1 : 0, 5))
        .skip(60)
        .put("Line 1 : ICOM, IUNITS, KYL, KXX");
    plot.line(r.str());
}

void WritePlotLine2(PlotWriter& plot, int sectionCount) {
    edit::Record r;
    r.put(edit::I(sectionCount, 5)).skip(75).put("Line 2 : Total number of sections");
    plot.line(r.str());
}

void WritePlotLine6(PlotWriter& plot, int curveCount) {
    edit::Record r;
    r.put(edit::I(curveCount, 5)).skip(75).put("Line 6 : number of output p-y curves");
    plot.line(r.str());
}

void WritePlotLine11NotRun(PlotWriter& plot, int loadCase, bool lrfd) {
    edit::Record r;
    r.put("    0").skip(75).put(std::string(lrfd ? "Line 11: Num. points on Ytop vs. Length curve for LRFD load case "
                                               : "Line 11: Num. points on Ytop vs. Length curve for load case ") +
                                  edit::I0(loadCase));
    plot.line(r.str());
}

void WritePlotLine9(PlotWriter& plot, int loadCases, int nodes, int unitSystem) {
    edit::Record r;
    r.put(edit::I(loadCases, 5)).put(edit::I(nodes, 5)).put(edit::I(unitSystem, 5)).skip(65);
    r.put("Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI");
    plot.line(r.str());
}

void WritePlotLine10(PlotWriter& plot, int k, double X, double y, double M, double V, double p, double EI) {
    edit::Record r;
    for (double v : {X, y, M, V, p, EI}) r.put(edit::ES(v, 15, 7));
    r.tab(92).put("Line 10(" + edit::I(k, 3) + "): nodal depth, y, M, V, p, EI");
    plot.line(r.str());
}

void WritePlotLine11(PlotWriter& plot, int loadCase, int points) {
    edit::Record r;
    r.put(edit::I(points, 5)).skip(75).put("Line 11: Num. points on Ytop vs. pile length curve for load case " +
                                           edit::I0(loadCase));
    plot.line(r.str());
}

void WritePlotLine12(PlotWriter& plot, double length, double headDeflection, double maxMoment, double maxShear) {
    edit::Record r;
    for (double v : {length, headDeflection, maxMoment, maxShear}) r.put(edit::ES(v, 15, 7));
    r.skip(20).put("Line 12: pile length, Ytop, Mmax, Vmax");
    plot.line(r.str());
}

void WritePlotLine14(PlotWriter& plot, const StiffnessRecord& s) {
    std::string line;
    for (double v : {s.shear, s.moment, s.K22, s.K23, s.K32, s.K33, s.deflection, s.rotation}) line += edit::ES(v, 15, 7);
    plot.line(line + "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
}

void WritePlotLine13(PlotWriter& plot, bool uscs, double V, double y, double Mmax, double Vmax, double rotation) {
    edit::Record r;
    for (double v : {V, y, Mmax, Vmax, rotation}) r.put(edit::ES(v, 15, 7));
    r.tab(81).put(uscs ? "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"
                       : "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)");
    plot.line(r.str());
}

}  // namespace drovi
