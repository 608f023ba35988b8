#include "engine/run_driver.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "engine/edit_format.h"
#include "engine/messages.h"
#include "engine/names_file.h"
#include "engine/report_head.h"
#include "engine/run.h"
#include "input/input_file.h"
#include "input/readers.h"
#include "model/soil_model_codes.h"
#include "model/unit_conversion.h"
#include "pile/discretization.h"
#include "pile/load_case.h"
#include "report/load_case_report.h"
#include "report/plot_records.h"
#include "report/response_summary.h"
#include "report/warning_summary.h"
#include "section/section_driver.h"
#include "soil/py_models.h"

namespace drovi {
namespace {

// Errors found before the run-message file is open go to standard error.
void startupError(Run& run, int number, const std::string& text) {
    std::fprintf(stderr, "\n\n**** Runtime Error No. %d ****\n\n%s\n", number, text.c_str());
    run.terminate(ErrorCode::Runtime(number));
}

bool isBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// The six names of the run.
void readNames(Run& run) {
    const auto result = ReadNamesFile(OpenName(run.workingDirectory, kNamesFile), run.files);
    if (!result.opened) return startupError(run, 2, "Contents of file NAMES.DAT is corrupted.");
    static constexpr const char* kCorrupted[] = {
        "The name of the input data file is corrupted.",
        "The name of the output report file is corrupted.",
        "The name of the plot output file is corrupted.",
        "Name of runtime message file is corrupted",
        "User name is corrupted",
        "User company name is corrupted",
    };
    if (result.missingLine > 0) startupError(run, 2 + result.missingLine, kCorrupted[result.missingLine - 1]);
}

// None of the four file names may be blank.
void checkNames(Run& run) {
    const std::pair<const std::string*, const char*> names[] = {
        {&run.files.input, "Input data filename information corrupted. No analysis performed."},
        {&run.files.report, "Output filename information is corrupted. No analysis performed."},
        {&run.files.plot, "Plot output filename information is corrupted. No analysis performed."},
        {&run.files.runLog, "Run message filename information is corrupted. No analysis performed."},
    };
    for (const auto& [name, message] : names)
        if (isBlank(*name)) return startupError(run, 17, message);
}

bool sameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
    const auto ca = fs::weakly_canonical(a, ec);
    if (ec) return a == b;
    const auto cb = fs::weakly_canonical(b, ec);
    if (ec) return a == b;
    return ca == cb;
}

// The input is read into memory, then the three output files are
// created. An output that names the same file as the input or as another
// output would destroy or mix them, so the run refuses it before writing.
void openFiles(Run& run) {
    struct Named {
        const char* role;
        std::string path;
    };
    const Named files[] = {
        {"input data", OpenName(run.workingDirectory, run.files.input)},
        {"output report", OpenName(run.workingDirectory, run.files.report)},
        {"plot output", OpenName(run.workingDirectory, run.files.plot)},
        {"run message", OpenName(run.workingDirectory, run.files.runLog)},
    };
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (sameFile(files[i].path, files[j].path))
                return startupError(run, 19,
                                    std::string("The ") + files[j].role + " file and the " + files[i].role +
                                        " file named in NAMES.DAT are the same file: " + files[i].path +
                                        ". No analysis performed.");

    switch (run.input.load(files[0].path)) {
        case InputFile::LoadResult::Ok:
            break;
        case InputFile::LoadResult::CannotOpen:
            return startupError(run, 18,
                                "The input data file " + files[0].path + " cannot be opened. No analysis performed.");
        case InputFile::LoadResult::TooLarge:
            return startupError(run, 18,
                                "The input data file " + files[0].path +
                                    " is larger than any input data file can be. No analysis performed.");
    }
    OutputChannel* outputs[] = {&run.report, &run.plot, &run.log};
    for (int k = 0; k < 3; ++k) {
        if (!outputs[k]->open(files[k + 1].path))
            return startupError(run, 18,
                                std::string("The ") + files[k + 1].role + " file " + files[k + 1].path +
                                    " cannot be created. No analysis performed.");
    }
}

// An empty input file.
void checkInputSize(Run& run) {
    if (run.input.size() != 0) return;
    run.log.blank(2);
    run.log.line("**** Input Data Error No. 25 ****");
    run.log.blank();
    run.log.line("Size of input data file is 0 bytes.  No analysis performed.");
    run.log.blank();
    run.terminate(ErrorCode::Input(25));
}

// The tag selects the reader. True when an older format was read.
bool readInput(Run& run) {
    const std::string tag = ReadFormatTag(run.input);
    if (tag == kCurrentFormatTag) {
        ReadCurrentFormat(run);
        return false;
    }
    if (tag == kEarlierFormatTag) {
        ReadEarlierFormat(run);
    } else {
        run.input.rewind();
        ReadOldestFormat(run);
    }
    return true;
}

// Report head and the first plot record.
void writeHead(Run& run) {
    const int units = static_cast<int>(run.model->options.unitSystem);
    run.unitsSI = units == static_cast<int>(UnitSystem::SI);
    run.labels = MakeUnitLabels(units);
    WriteReportHead(run);
    WritePlotLine1(run.plot, *run.model);
}

// Internal units, once.
void convertUnits(Run& run, bool legacyFormat) {
    if (run.model->options.unitSystem == UnitSystem::USCS)
        ConvertUscsUnits(*run.model);
    else
        ConvertSiUnits(*run.model, legacyFormat);
}

// Features whose computation is not yet part of the engine end the run
// before any analysis, so that no report pretends to hold their results.
void checkAvailable(Run& run) {
    const auto& m = *run.model;
    std::vector<std::string> missing;
    for (int j = 1; j <= m.layerCount; ++j)
        if (!PyModelAvailable(m.layers[j].model))
            missing.push_back("p-y curves of soil model " + Trimmed(SoilModelCode8(m.layers[j].model)) + " (layer " +
                              edit::I0(j) + ")");
    if (m.options.useLRFD) missing.push_back("LRFD load combinations");
    if (m.options.computeKmatrix) missing.push_back("the pile-head stiffness matrix");
    for (int c = 1; c <= m.loadCount; ++c)
        if (m.loads[c].computeLengthVsDeflection && m.options.analysisType != 2) {
            missing.push_back("pile-head deflection versus pile length (load case " + edit::I0(c) + ")");
            break;
        }
    if (missing.empty()) return;
    std::vector<std::string> lines = {"", "", "**** Runtime Error No. 12 ****", "",
                                      "Problem:  The input asks for computations that are not yet part of this "
                                      "version of the engine:"};
    for (const auto& what : missing) lines.push_back("          - " + what);
    lines.insert(lines.end(), {"Solution: Remove these options or layers from the input data.", ""});
    WriteMessage(run, MessageTo::LogThenReport, lines);
    run.terminate(ErrorCode::Runtime(12));
}

void sectionHeader(Run& run) {
    const auto& o = run.model->options;
    auto& r = run.report;
    r.blank(2);
    r.line(std::string(80, '-'));
    r.line("    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
    r.line(std::string(80, '-'));
    r.blank();
    r.line(o.computeInteraction ? "Axial thrust force values were determined from input values"
           : o.useLRFD          ? "Axial thrust force values were determined from LRFD load combinations"
                                : "Axial thrust force values were determined from pile-head loading conditions");
    r.blank();
    r.line("Number of Pile Sections Analyzed = " + edit::I0(run.model->sectionCount));
    r.blank();
}

// The bending-stiffness table of every section.
void analyseSections(Run& run, bool stiffnessOnly) {
    const int count = run.model->sectionCount;
    for (int s = 1; s <= count; ++s) {
        if (stiffnessOnly || s == 1) run.log.line("Computing nonlinear bending stiffness of section " + edit::I0(s));
        if (s == 1) sectionHeader(run);
        run.report.line("Pile Section No. " + edit::I0(s) + ":");
        run.report.blank();
        Analyze_Pile_Section(run, s);
        if (run.failed()) return;
        run.log.line("Completed computing nonlinear bending stiffness of section " + edit::I0(s));
        run.log.blank();
    }
}

// The load cases.
void runLoadCases(Run& run) {
    auto& m = *run.model;
    const bool curvesRequested = m.options.printPYCurves;
    m.options.printPYCurves = false;
    const double pileLength = m.pileLength;
    for (int c = 1; c <= m.loadCount; ++c) {
        m.pileLength = pileLength;
        RunLoadCase(run, c);
        if (run.failed()) return;
        if (c == 1) {
            if (curvesRequested) {
                WritePlotLine6(run.plot, m.pyOutputDepthCount);
                run.log.line("Computing p-y curves for output at user-specified depths.");
                OutputPyCurvesAtDepths(run);
                if (run.failed()) return;
            } else {
                WritePlotLine6(run.plot, 0);
            }
        }
        WriteLoadCaseResults(run, c);
        WritePlotLine11NotRun(run.plot, c, m.options.useLRFD);
        run.log.line("Completed Analysis " + edit::I0(c));
        run.log.blank();
    }
}

// Everything after the conversion: sections, load cases and summaries.
void analyse(Run& run) {
    auto& m = *run.model;
    checkAvailable(run);
    if (run.failed()) return;
    WritePlotLine2(run.plot, m.sectionCount);
    if (m.options.analysisType == 2) return analyseSections(run, true);
    DiscretizePile(m, run.nodes);
    analyseSections(run, false);
    if (run.failed()) return;
    runLoadCases(run);
    if (run.failed()) return;
    WriteResponseSummary(run);
}

void execute(Run& run) {
    run.workingDirectory = run.env.workingDirectory();
    for (auto* phase : {readNames, checkNames, openFiles, checkInputSize}) {
        phase(run);
        if (run.failed()) return;
    }
    const bool legacyFormat = readInput(run);
    if (run.failed()) return;
    AnalyseInput(run, legacyFormat);
}

void writeStatusLine(Run& run, const char* text) { WriteMessage(run, MessageTo::LogThenReport, {"", text, ""}); }

// The status line, the warning summary and the result.
int finish(Run& run) {
    const int status = run.status.value();
    if (status >= 100 && status <= 199) writeStatusLine(run, "The analysis ended due to an input error. ");
    if (status >= 200 && status <= 299) writeStatusLine(run, "The analysis ended due to a runtime error. ");
    int warningResult = 0;
    if (run.warnings.latest > 0) {
        run.log.blank(2);
        run.log.line("The analysis ended with one or more warning messages.");
        run.log.blank(2);
        WriteWarningSummary(run);
        warningResult = WarningResult(run.warnings);
    }
    if (status == 0) writeStatusLine(run, "The analysis ended normally. ");
    run.report.close();
    run.plot.close();
    run.log.close();
    return status > 0 ? status : warningResult;
}

}  // namespace

void AnalyseInput(Run& run, bool legacyFormat) {
    writeHead(run);
    if (run.failed()) return;
    // The older formats keep soil movements in millimetres until now.
    convertUnits(run, legacyFormat);
    if (run.failed()) return;
    analyse(run);
}

int RunAnalysis(const Environment& environment) {
    // A run holds every table of the analysis: on the heap, not the stack.
    const auto owned = std::make_unique<Run>(environment);
    Run& run = *owned;
    try {
        execute(run);
    } catch (const std::exception& e) {
        // Nothing in the run is expected to throw; if something does (memory
        // exhausted), the run still ends in order with a numbered error.
        WriteMessage(run, MessageTo::LogThenReport,
                     {"", "", "**** Runtime Error No. 21 ****", "",
                      std::string("An internal error stopped the analysis: ") + e.what()});
        run.terminate(ErrorCode::Runtime(21));
    }
    return finish(run);
}

}  // namespace drovi
