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

}  // namespace drovi
