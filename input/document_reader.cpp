// The heading loop of the current input format.
#include <string>
#include <string_view>

#include "input/current_format.h"
#include "input/readers.h"

namespace drovi {
namespace {

void readTitle(RecordReader& in) {
    auto& title = in.run().model->title;
    for (int i = 1; i <= kTitleLines; ++i)
        if (!in.text(title[i], "a line of the title")) return;
}

struct Heading {
    std::string_view name;
    void (*read)(RecordReader&);
};

constexpr Heading kHeadings[] = {
    {"TITLE", readTitle},
    {"OPTIONS", ReadOptions},
    {"SECTIONS", ReadSections},
    {"AXIAL THRUST LOADS", ReadAxialThrustLoads},
    {"SOIL LAYERS", ReadSoilLayers},
    {"TIP SHEAR", ReadTipShear},
    {"PILE BATTER AND SLOPE", ReadPileBatterAndSlope},
    {"GROUPEFF", ReadGroupEffectFactors},
    {"LRFD LOADS", ReadLrfdLoads},
    {"LRFD FACTORS AND CASES", ReadLrfdFactorsAndCases},
    {"LOADING", ReadLoading},
    {"SOIL MOVEMENTS", ReadSoilMovements},
    {"GROUP EFFECT FACTORS", ReadGroupEffectFactors},
    {"DEPTHS OF PRINTED P-Y CURVES", ReadPrintedPyDepths},
};

}  // namespace

bool ReadCount(RecordReader& in, int& count, const char* what, int lo, int hi) {
    if (!in.values({ValueItem::Int(count, what)})) return false;
    if (count < lo || count > hi) {
        in.countOutOfRange(what, count, lo, hi);
        return false;
    }
    return true;
}

void ReportUnrecognizedLine(Run& run, const std::string& line) {
    std::string padded = line;
    padded.resize(kTextRecordLength, ' ');
    WriteMessage(run, MessageTo::ReportThenLog,
                 {"", "", "***** INPUT ERROR *****", "", "The following line is unrecognized or is out-of-order", "",
                  padded, "", ""});
    run.terminate(ErrorCode::Input(99));
}

void ReadCurrentFormat(Run& run) {
    RecordReader in(run);
    std::string line;
    for (;;) {
        in.setSection("");
        if (!in.text(line, "a section heading or END")) return;
        const std::string_view key = TrimRight(line);
        const Heading* heading = nullptr;
        for (const auto& h : kHeadings)
            if (key == h.name) heading = &h;
        if (heading) {
            in.setSection(heading->name);
            heading->read(in);
            if (run.failed()) return;
            continue;
        }
        if (key == "END") {
            BuildAxialThrustList(*run.model);
            return;
        }
        return ReportUnrecognizedLine(run, line);
    }
}

}  // namespace drovi
