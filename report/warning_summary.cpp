#include "report/warning_summary.h"

#include <initializer_list>
#include <string>

#include "engine/edit_format.h"

namespace drovi {
namespace {

struct WarningText {
    int code;
    std::initializer_list<const char*> lines;  // "" is a blank line
};

const WarningText kTexts[] = {
    {-302,
     {"", "**** Warning ****", "", "An unreasonable value was input for friction angle has been specified",
      "for a soil layer defined uisng the sand criteria.  The input value is",
      "either smaller than 20 degrees or higher than 48 degrees.  The input", "data should be checked for correctness.",
      ""}},
    {-303,
     {"**** Warning ****", "", "An unreasonable value was input for friction angle has been specified for a",
      "soil layer defined uisng the API sand criteria.  The input value is either",
      "smaller than 20 degrees or higher than 48 degrees.  The input data should", "be checked for correctness.", ""}},
    {-305,
     {"***** Warning *****", "", "Too many values were calculated for moment-curvature.",
      "This may indicate that the pile is too weak or is under-reinforced,",
      "where all reinforcing steel has yielded.  You should examine your input",
      "data and increase the amount of steel reinforcement if necessary."}},
    {-306,
     {"", "Warning - Negative values of bending moment were computed in nonlinear EI computations.",
      "This may indicate that the pile is too weak or is under-reinforced and that all reinforcing steel",
      "has yielded.", "You should examine your input data and increase the amount of steel reinforcement if necessary.",
      ""}},
    {-3041,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a soil",
      "defined using the soft clay criteria.  The input value is greater than 8.68",
      "psi (1,250 psf).  You should check your input data for correctness.", ""}},
    {-3042,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a soil",
      "defined using the soft clay criteria.",
      "The input value is greater than 59.85 kN/m2. You should check your input data for correctness.", ""}},
    {-3051,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is",
      "less than 3.47 psi (500 psf). You should check your input data for correctness.", ""}},
    {-3052,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is",
      "greater than 55.55 psi (8,000 psf).  You should check your input data for", "correctness.", ""}},
    {-3053,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is",
      "less than 23.94 kN/m2.  You should check your input data for correctness.", ""}},
    {-3054,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay with free water criteria.  The input value is",
      "greater than 383.04 kN/m2.  You should check your input data for correctness.", ""}},
    {-3061,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is",
      "less than 3.47 psi (500 psf).  You should check your input data for correctness.", ""}},
    {-3062,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is",
      "greater than 8,000 psf (55.55 psi).  You should check your input data for correctness.", ""}},
    {-3063,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is",
      "less than 23.94 kN/m2.  You should check your input data for correctness.", ""}},
    {-3064,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria.  The input value is",
      "greater than 383.04 kN/m2.  You should check your input data for correctness.", ""}},
    {-3261,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is less than 500 psf (3.47 psi).", "You should check your input data for correctness.", ""}},
    {-3262,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is greater than 8,000 psf (55.55 psi).", "You should check your input data for correctness.",
      ""}},
    {-3263,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.", "The input value is less than 23.94 kN/m2.",
      "You should check your input data for correctness.", ""}},
    {-3264,
     {"", "**** Warning ****", "", "An unreasonable input value for shear strength has been specified for a layer.",
      "defined using the stiff clay without free water criteria using k.",
      "The input value is greater than 383.04 kN/m2.", "You should check your input data for correctness.", ""}},
    {-3071,
     {"", "**** Warning ****", "", "An unreasonable input value for the compressive strength has been specified",
      "for a soil defined using the weak rock criteria.  The input value is less",
      "than 100 psi.  You should check your input data for correctness.", ""}},
    {-3072,
     {"", "**** Warning ****", "", "An unreasonable input value for unconfined compressive strength has been",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is greater than 1000 psi.  You should check your input data for correctness.", ""}},
    {-3073,
     {"", "**** Warning ****", "", "An unreasonable input value for unconfined compressive strength has been",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is less than  689.5 kN/m2.  You should check your input data for correctness.", ""}},
    {-3074,
     {"", "**** Warning ****", "", "An unreasonable input value for unconfined compressive strength has been",
      "specified for a soil defined using the weak rock criteria.  The input value",
      "is greater than 6895 kN/m2.  You should check your input data for correctness.", ""}},
    {-316,
     {"***** Warning *****", "", "The input value for k_rm used by the weak rock criteria is smaller than",
      "0.00005.  This value is outside the recommended range of 0.00005 to 0.0005.",
      "You should check your input data for accuracy.", ""}},
    {-317,
     {"**** Warning - Possible Input Data Error ****", "", "The input value for k_rm used by the weak rock criteria is",
      "greater than 0.0005.  This value is outside the recommended", "range of 0.00005 to 0.005.  You should check your input data",
      "for accuracy.", ""}},
    {-354,
     {"", "**** Warning - Possible Modelling Error ****", "",
      "The depth of this liquefied sand layer is deeper than the recommended depth",
      "limit of 6 meters for using the p-y criteria for liquefied sand.",
      "Please consult the Drovi Technical Manual for additional background",
      "information regarding limitations on the use of the liquefied sand criteria.", ""}},
    {-308,
     {"", "**** Warning ****", "", "An unreasonable input value for uniaxial compressive strength has been",
      "specified for a soil defined using the vuggy limestone criteria.",
      "The input value is outside of the range of 1,000 to 2,500 psi (6,895 to 17,237 kPa).",
      "You should check your input data for correctness.", ""}},
    {-400,
     {"", "**** Warning - Failure for One or More LRFD Load Cases ****", "",
      "This warning message is provided to alert the user that one or more of",
      "LRFD load cases has overloaded the structural capacity of the pile."}},
};

const WarningText* findText(int code) {
    for (const auto& t : kTexts)
        if (t.code == code) return &t;
    return nullptr;
}

}  // namespace

void WriteWarningSummary(Run& run) {
    auto& r = run.report;
    if (CountRecordedWarningCodes(run.warnings) == 0) {
        r.blank(2);
        r.line("No error or warning messages were generated by this analysis.");
        r.blank();
        return;
    }
    const std::string dashes(80, '-');
    r.blank(2);
    r.line(dashes);
    r.line(std::string(26, ' ') + "Summary of Warning Messages");
    r.line(dashes);
    r.blank();
    // Each code appears once, so each message is written once.
    for (int k = 1; k <= kMaxWarningCode; ++k) {
        const int count = run.warnings.count[k];
        if (count == 0) continue;
        r.line("The following warning was reported " + edit::I0(count) + " times");
        r.blank();
        if (const WarningText* t = findText(-k))
            for (const char* l : t->lines) r.line(l);
    }
}

}  // namespace drovi
