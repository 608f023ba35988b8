#include "engine/report_head.h"

#include "engine/edit_format.h"
#include "engine/version.h"

namespace drovi {
namespace {

const std::string kRuleEquals(80, '=');
const std::string kRuleDashes(80, '-');
const std::string kIndent(15, ' ');

// The two notice lines of the banner, 49 columns each.
std::string notice(std::string_view text) {
    constexpr std::size_t kWidth = 49;
    std::string s((kWidth - text.size()) / 2, ' ');
    s += text;
    s.resize(kWidth, ' ');
    return s;
}

void writeBanner(Run& run) {
    auto& r = run.report;
    r.line(kRuleEquals);
    r.blank();
    r.line(kIndent + "    Drovi Plus for Windows, Version 6 " + kVersionLabel);
    r.blank();
    r.line(kIndent + " Analysis of Individual Piles and Drilled Shafts ");
    r.line(kIndent + "Subjected to Lateral Loading Using the p-y Method");
    r.blank();
    r.line(kIndent + notice("Computational engine for laterally loaded piles"));
    r.line(kIndent + notice("(c) 2026 Drovi developers. All rights reserved."));
    r.blank();
    r.line(kRuleEquals);
    r.blank();
}

void writeLicensee(Run& run) {
    auto& r = run.report;
    r.line(kRuleDashes);
    r.line(std::string(30, ' ') + "Program Licensed to");
    r.line(kRuleDashes);
    r.blank();
    r.line("User name:                     " + run.files.userName);
    r.line("Company name:                  " + run.files.companyName);
    r.blank();
}

void writeFiles(Run& run) {
    auto& r = run.report;
    const auto input = ResolvePath(run.workingDirectory, run.files.input);
    auto nameOf = [&run](const std::string& path) {
        const auto parts = ResolvePath(run.workingDirectory, path);
        return parts.name + parts.extension;
    };
    r.line(kRuleDashes);
    r.line(std::string(28, ' ') + "Files Used for Analysis");
    r.line(kRuleDashes);
    r.blank();
    r.line("Path to file locations:        " + input.drive + input.directory);
    r.line("Name of input data file:       " + input.name + input.extension);
    r.line("Name of output report file:    " + nameOf(run.files.report));
    r.line("Name of plot output file:      " + nameOf(run.files.plot));
    r.line("Name of runtime messeage file: " + nameOf(run.files.runLog));
    r.blank();
}

void writeDate(Run& run) {
    auto& r = run.report;
    r.line(kRuleDashes);
    r.line(std::string(27, ' ') + "Date and Time of Analysis");
    r.line(kRuleDashes);
    r.blank();
    r.line(kIndent + DateTimeLine(run.env.now()));
}

}  // namespace

std::string DateTimeLine(const LocalTime& t) {
    static constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};
    const char* month = (t.month >= 1 && t.month <= 12) ? kMonths[t.month - 1] : "";
    auto twoDigits = [](int v) {
        std::string s = edit::I(v, 2);
        for (char& c : s)
            if (c == ' ') c = '0';
        return s;
    };
    return "Date:  " + std::string(month) + " " + edit::I0(t.day) + ", " + edit::I(t.year, 4) + "     Time:  " +
           edit::I(t.hour, 2) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

void WriteReportHead(Run& run) {
    writeBanner(run);
    writeLicensee(run);
    writeFiles(run);
    writeDate(run);
}

}  // namespace drovi
