// The OPTIONS section: sixteen records in fixed order.
#include <string>
#include <string_view>

#include "engine/edit_format.h"
#include "input/current_format.h"

namespace drovi {
namespace {

// Convergence tolerance bounds. The lower bounds are those the messages
// name, so that what the engineer reads is what was checked.
constexpr double kMinToleranceInches = 1E-10;
constexpr double kMaxToleranceInches = static_cast<double>(0.1f);  // 0.1 itself passes
constexpr double kMinToleranceMetres = 2.5E-12;
constexpr double kMaxToleranceMetres = 0.00254;

constexpr int kMinIterations = 30;
constexpr int kMaxIterationsLimit = 1000;
constexpr int kMinIncrements = 40;
constexpr int kMaxIncrements = 500;

// A YES/NO keyword record "<keyword> YES" or "<keyword> NO". On anything
// else the message lines go to the report and the run ends with error 95.
bool readSwitch(RecordReader& in, std::string_view keyword, bool& value,
                std::initializer_list<std::string> message) {
    std::string line;
    if (!in.text(line, ("the option " + std::string(keyword)).c_str())) return false;
    const std::string_view key = TrimRight(line);
    if (key == std::string(keyword) + " YES") {
        value = true;
        return true;
    }
    if (key == std::string(keyword) + " NO") {
        value = false;
        return true;
    }
    WriteMessage(in.run(), MessageTo::Report, message);
    in.run().terminate(ErrorCode::Input(95));
    return false;
}

bool readUnits(RecordReader& in) {
    std::string line;
    if (!in.text(line, "the option Units")) return false;
    const std::string_view key = TrimRight(line);
    auto& units = in.run().model->options.unitSystem;
    if (key == "Units USCS") {
        units = UnitSystem::USCS;
    } else if (key == "Units SI") {
        units = UnitSystem::SI;
    } else if (key == "Units GENERAL") {
        units = UnitSystem::GENERAL;
    } else {
        ReportUnrecognizedLine(in.run(), line);
        return false;
    }
    return true;
}

// Record 8, fixed columns: 1-8 ignored, 9-14 CYCLIC or STATIC, 15-20 the
// number of cycles as a real field of width 6 (blanks ignored, all blank 0).
bool readLoadingType(RecordReader& in) {
    std::string line;
    if (!in.text(line, "the loading type (STATIC or CYCLIC)")) return false;
    auto& o = in.run().model->options;
    std::string padded = line;
    padded.resize(20, ' ');
    const std::string type = padded.substr(8, 6);
    if (type == "CYCLIC") {
        o.cyclic = true;
    } else if (type == "STATIC") {
        o.cyclic = false;
    } else {
        WriteMessage(in.run(), MessageTo::Report, {"INPUT ERROR - Unrecognized command for loading type option"});
        in.run().terminate(ErrorCode::Input(95));
        return false;
    }
    std::string field;
    for (char c : padded.substr(14, 6))
        if (c != ' ') field += c;
    double cycles = 0.0;
    if (!field.empty() && !ParseReal(field, cycles)) {
        in.unreadableValue("number of cycles in columns 15 to 20 (a number)", field);
        return false;
    }
    o.numberOfCycles = cycles;
    return true;
}

bool readIterations(RecordReader& in) {
    auto& o = in.run().model->options;
    if (!in.values({ValueItem::Skip(), ValueItem::Int(o.maxIterations, "maximum number of iterations")}))
        return false;
    if (o.maxIterations >= kMinIterations && o.maxIterations <= kMaxIterationsLimit) return true;
    const std::string n = edit::I0(o.maxIterations);
    const std::string problem = o.maxIterations < kMinIterations
                                    ? "Problem: Input value for iterations limit = " + n +
                                          " and is less than 30 iteractions"
                                    : "Problem: Input value for iterations limit = " + n +
                                          " and is more than 1,000 iteractions";
    WriteMessage(in.run(), MessageTo::Report, {"***** Input Data Error No. 95 *****", "", problem,
                          "Solution:  Correct input value to be between 30 and 1000 iterations.", "", ""});
    in.run().terminate(ErrorCode::Input(95));
    return false;
}

bool readTolerance(RecordReader& in) {
    auto& o = in.run().model->options;
    if (!in.values({ValueItem::Skip(), ValueItem::Real(o.convergenceTolerance, "deflection tolerance for convergence")}))
        return false;
    const double tol = o.convergenceTolerance;
    int error = 0;
    if (o.unitSystem == UnitSystem::USCS) {
        if (tol < kMinToleranceInches) error = 65;
        else if (tol > kMaxToleranceInches) error = 66;
    } else if (o.unitSystem == UnitSystem::SI) {
        if (tol < kMinToleranceMetres) error = 67;
        else if (tol > kMaxToleranceMetres) error = 68;
    }
    if (error == 0) return true;
    static constexpr const char* kProblem[] = {
        "Input value for convergence tolerance is too small (less than 1E-10 inches).",
        "Input value for convergence tolerance is too large (more than 0.1 inches). ",
        "Input value for convergence tolerance is too small (less than 2.5E-12 meters). ",
        "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
    };
    const char* recommendation = error <= 66 ? "The recommended value for convergence tolerance is 0.00001 inches."
                                             : "The recommended value for convergence tolerance is 2.54E-7 meters.";
    WriteMessage(in.run(), MessageTo::LogThenReport, {"", "**** Input Data Error No. " + edit::I0(error) + " ****", "", kProblem[error - 65], recommendation,
                ""});
    in.run().terminate(ErrorCode::Input(error));
    return false;
}

bool readIncrements(RecordReader& in) {
    auto& o = in.run().model->options;
    if (!in.values({ValueItem::Skip(), ValueItem::Int(o.pileIncrements, "number of pile increments")})) return false;
    if (o.pileIncrements < kMinIncrements) {
        WriteMessage(in.run(), MessageTo::LogThenReport, {"**** Input Data Error No. 55 ****", "", "Problem:  The number of pile increments is less than 40.",
                    "",
                    "Solution: Increase the number of pile increments to more than 40, preferably more than 100 "
                    "increments."});
        in.run().terminate(ErrorCode::Input(55));
        return false;
    }
    if (o.pileIncrements > kMaxIncrements) {
        WriteMessage(in.run(), MessageTo::LogThenReport, {"**** Input Data Error No. 56 ****", "", "Problem:  The number of pile increments is more than 500.",
                    "", "Solution: Limit the number of pile increments to 500 or less."});
        in.run().terminate(ErrorCode::Input(56));
        return false;
    }
    return true;
}

bool readInteraction(RecordReader& in) {
    auto& o = in.run().model->options;
    if (!readSwitch(in, "ComputeInteraction", o.computeInteraction,
                    {"INPUT ERROR - Unrecognized command for compute interaction option"}))
        return false;
    if (!o.computeInteraction) return true;
    constexpr std::size_t kCodeLength = 11;
    std::string code;
    if (!in.values({ValueItem::Skip(), ValueItem::Text(code, kCodeLength, "interaction diagram code")})) return false;
    if (code == "AASHTO") {
        o.interactionCode = 1;
    } else if (code == "ACI318") {
        o.interactionCode = 2;
    } else if (code == "Eurocode2") {
        o.interactionCode = 3;
    } else {
        WriteMessage(in.run(), MessageTo::Report, {"INPUT ERROR - Unrecognized command for interaction code option"});
        in.run().terminate(ErrorCode::Input(95));
        return false;
    }
    return true;
}

}  // namespace

void ReadOptions(RecordReader& in) {
    auto& m = *in.run().model;
    auto& o = m.options;
    if (!readUnits(in)) return;
    if (!readSwitch(in, "UseLRFD", o.useLRFD, {"", "INPUT ERROR - Unrecognized command for LRFD analysis option"}))
        return;
    if (!readSwitch(in, "ComputeKmatrix", o.computeKmatrix,
                    {"", "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option"}))
        return;
    if (!readSwitch(in, "UseTipShear", o.useTipShear, {"", "INPUT ERROR - Unrecognized command for tip shear option"}))
        return;
    if (!readSwitch(in, "UseSoilMovement", o.useSoilMovement,
                    {"", "INPUT ERROR - Unrecognized command for soil movement option", ""}))
        return;
    if (!readSwitch(in, "UsePYModifiers", o.usePYModifiers,
                    {"", "INPUT ERROR - Unrecognized command for use of p-y modifiers option"}))
        return;
    m.pyModifierCount = o.usePYModifiers ? 1 : 0;
    bool eiOnly = false;
    if (!readSwitch(in, "ComputeEIOnly", eiOnly,
                    {"", "INPUT ERROR - Unrecognized command for compute nonlinear EI only option"}))
        return;
    o.analysisType = eiOnly ? 2 : 3;
    if (!readLoadingType(in)) return;
    if (!readIterations(in)) return;
    if (!in.values({ValueItem::Skip(), ValueItem::Real(o.maxDeflection, "maximum allowable deflection")})) return;
    if (!readTolerance(in)) return;
    if (!readIncrements(in)) return;
    if (!readSwitch(in, "PrintSummaryOnly", o.printSummaryOnly,
                    {"", "INPUT ERROR - Unrecognized command for print summary only option"}))
        return;
    if (!in.values({ValueItem::Skip(), ValueItem::Int(o.printIncrement, "printing increment")})) return;
    if (!readSwitch(in, "PrintPYCurves", o.printPYCurves,
                    {"", "INPUT ERROR - Unrecognized command for p-y curve output depths option"}))
        return;
    readInteraction(in);
}

}  // namespace drovi
