#include "section/section_driver.h"

#include <memory>
#include <string>

#include "engine/edit_format.h"
#include "engine/messages.h"
#include "section/direct_ei_tables.h"

namespace drovi {

const char* SectionTypeName(int type, bool coreFilled) {
    static constexpr const char* kNames[] = {
        "Rectangular Concrete Pile",
        "Drilled Shaft (Bored Pile)",
        "Drilled Shaft with Permanent Casing",
        "Drilled Shaft with Casing and Concrete-filled Core",
        "Steel Pipe Pile",
        "Circular Solid Prestressed Pile",
        "Circular Hollow Prestressed Pile",
        "Square Solid Prestressed Pile",
        "Square Hollow Prestressed Pile",
        "Octagonal Solid Prestressed Pile",
        "Octagonal Hollow Prestressed Pile",
        "Elastic Pile",
        "Elastic with Specified Moment Capacity",
        "Pile with User-defined Nonlinear EI",
        "Micropile",
    };
    if (type == 3 && !coreFilled) return "Drilled Shaft with Casing and Void Core";
    return type >= 0 && type <= 14 ? kNames[type] : "Undefined";
}

void Analyze_Pile_Section(Run& run, int s) {
    if (!run.mcTable) run.mcTable = std::make_unique<MomentCurvatureTable>();
    const PileSection& section = run.model->sections[s];
    if (HasDirectEITable(section.sectionType)) return Build_Direct_EI_Table(run, s);
    WriteMessage(run, MessageTo::ReportThenLog,
                 {"", "", "**** Runtime Error No. 12 ****", "",
                  "Problem:  Section " + edit::I0(s) + " is a " +
                      SectionTypeName(section.sectionType, section.coreFilled) + ". The moment-curvature analysis",
                  "          of such sections is not yet part of this version of the engine.",
                  "Solution: Describe the section as an elastic section, an elastic section with a specified",
                  "          moment capacity, or a section with user-defined nonlinear bending stiffness.", ""});
    run.terminate(ErrorCode::Runtime(12));
}

}  // namespace drovi
