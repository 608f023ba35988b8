// Message blocks: the same lines to the report, to the run-message file, or
// to both in the order the message asks for.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace drovi {

struct Run;

enum class MessageTo { Report, Log, ReportThenLog, LogThenReport };

void WriteMessage(Run& run, MessageTo to, std::initializer_list<std::string> lines);
void WriteMessage(Run& run, MessageTo to, const std::vector<std::string>& lines);

}  // namespace drovi
