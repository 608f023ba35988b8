#include "report/plot_records.h"

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

}  // namespace drovi
