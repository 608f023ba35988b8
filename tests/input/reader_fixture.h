// Reads an input deck with the current-format reader into a fresh run and
// keeps what it wrote, for the reader tests.
#pragma once

#include <map>
#include <string>

#include "engine/environment.h"
#include "engine/run.h"
#include "input/input_file.h"
#include "input/readers.h"
#include "support/temp_dir.h"

namespace drovi::testing {

struct ReadResult {
    int status = 0;
    std::string report;
    std::string log;
    std::unique_ptr<AnalysisModel> model;
};

inline ReadResult ReadDeck(const std::string& deck) {
    TempDir dir;
    FixedEnvironment env(dir.path().string(), LocalTime{});
    ReadResult result;
    {
        Run run(env);
        run.report.open(dir.file("report"));
        run.log.open(dir.file("log"));
        run.input.assign(deck);
        const std::string tag = ReadFormatTag(run.input);
        if (tag == kCurrentFormatTag) ReadCurrentFormat(run);
        result.status = run.status.value();
        result.model = std::move(run.model);
    }
    result.report = dir.read("report");
    result.log = dir.read("log");
    return result;
}

// The sixteen OPTIONS records of a USCS static analysis; `replace` swaps
// records by their number (1..16) and may add lines after one.
inline std::string OptionsBlock(const std::map<int, std::string>& replace = {}) {
    const std::string records[] = {
        "Units USCS",          "UseLRFD NO",       "ComputeKmatrix NO", "UseTipShear NO",
        "UseSoilMovement NO",  "UsePYModifiers NO", "ComputeEIOnly NO",  "Loading STATIC     0",
        "MaxIterations 100",   "MaxDeflection 10.", "Tolerance 1.0E-5",  "Increments 100",
        "PrintSummaryOnly NO", "PrintIncrement 1",  "PrintPYCurves NO",  "ComputeInteraction NO",
    };
    std::string text = "OPTIONS\n";
    for (int i = 1; i <= 16; ++i) {
        auto it = replace.find(i);
        text += (it == replace.end() ? records[i - 1] : it->second) + "\n";
    }
    return text;
}

inline std::string Deck(const std::string& body, const std::map<int, std::string>& options = {}) {
    return "DROVIP6\nTITLE\nA test pile\n\n\n\n\n" + OptionsBlock(options) + body + "END\n";
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace drovi::testing
