#include "engine/messages.h"

#include "engine/run.h"

namespace drovi {

void WriteMessage(Run& run, MessageTo to, std::initializer_list<std::string> lines) {
    WriteMessage(run, to, std::vector<std::string>(lines));
}

void WriteMessage(Run& run, MessageTo to, const std::vector<std::string>& lines) {
    auto write = [&lines](OutputChannel& out) {
        for (const auto& l : lines) out.line(l);
    };
    if (to == MessageTo::Log || to == MessageTo::LogThenReport) write(run.log);
    if (to != MessageTo::Log) write(run.report);
    if (to == MessageTo::ReportThenLog) write(run.log);
}

}  // namespace drovi
