// Input formats this build cannot read end the run with input error 24.
#include <string>

#include "engine/messages.h"
#include "input/readers.h"

namespace drovi {
namespace {

void rejectFormat(Run& run, const std::string& problem) {
    WriteMessage(run, MessageTo::LogThenReport,
                 {"", "**** Input Data Error No. 24 ****", "", "Problem:  " + problem,
                  "Solution: Save the input data file in the current input format (tag DROVIP6).", ""});
    run.terminate(ErrorCode::Input(24));
}

}  // namespace

void ReadEarlierFormat(Run& run) {
    rejectFormat(run,
                 "The input data file is in the earlier input format (tag DROVIP5), which this engine cannot read.");
}

void ReadOldestFormat(Run& run) {
    rejectFormat(run, "The input data file has no format tag on its first line; untagged input files cannot be read.");
}

}  // namespace drovi
