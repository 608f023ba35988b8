#include "engine/termination.h"

#include <cstdio>

#include "engine/channel.h"

namespace drovi {
namespace {

std::string codeText(const char* prefix, int number) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s%05d", prefix, number);
    return buf;
}

}  // namespace

ErrorCode ErrorCode::Input(int number) { return ErrorCode(codeText("INP", number), number, 100 + number); }

ErrorCode ErrorCode::Runtime(int number) { return ErrorCode(codeText("RUN", number), number, 200 + number); }

void TerminateRun(OutputChannel& report, RunStatus& status, const ErrorCode& code) {
    report.blank(2);
    if (code.status() < 200)
        report.line("Drovi ended prematurely due to input error number " + code.text());
    else
        report.line("Drovi ended prematurely due to runtime error number " + code.text());
    if (code.status() == 125) {
        report.blank();
        report.line("**** Input Data Error No. 25 ****");
        report.blank();
        report.line("Length of input file is 0 bytes.  No analysis can be performed.");
    }
    status.set(code.status());
}

}  // namespace drovi
