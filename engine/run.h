// All state of one analysis run. DGO creates one per call; nothing of a run
// lives anywhere else, so runs are deterministic and independent.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "engine/channel.h"
#include "engine/environment.h"
#include "engine/termination.h"
#include "engine/warnings.h"
#include "input/input_file.h"
#include "model/analysis_model.h"
#include "model/unit_labels.h"
#include "pile/load_case_state.h"
#include "pile/pile_nodes.h"
#include "section/moment_curvature_table.h"
#include "soil/soil_state.h"

namespace drovi {

// The six lines of NAMES.DAT, trailing blanks removed.
struct RunFiles {
    std::string input;
    std::string report;
    std::string plot;
    std::string runLog;
    std::string userName;
    std::string companyName;
};

struct Run {
    explicit Run(const Environment& environment)
        : env(environment), model(std::make_unique<AnalysisModel>()) {}

    bool failed() const { return status.failed(); }
    // Ends the run with `code` (the termination record goes to the report).
    void terminate(const ErrorCode& code) { TerminateRun(report, status, code); }

    const Environment& env;
    std::string workingDirectory;
    RunFiles files;
    std::unique_ptr<AnalysisModel> model;
    RunStatus status;
    WarningRegistry warnings;
    InputFile input;
    // The report goes to standard output until its file is open.
    ReportWriter report{stdout};
    PlotWriter plot;
    RunLog log;
    UnitLabels labels;
    bool unitsSI = false;
    PileNodes nodes;
    SoilState soil;
    LoadCaseState loadCase;
    SolverWork solver;
    Table<LoadCaseResult, kMaxLoadCases> results;
    // Thrust level of each LRFD combination's factored axial force.
    Table<int, kMaxLrfdCombinations> lrfdThrustLevel;
    // Created by the section analysis, before the load cases.
    std::unique_ptr<MomentCurvatureTable> mcTable;
};

}  // namespace drovi
