// Input formats this build cannot read end the run with input error 24.
#include <string>

#include "input/readers.h"

namespace drovi {
namespace {

void rejectFormat(Run& run, const std::string& problem) {
    for (OutputChannel* out : {&run.log, &run.report}) {
        out->blank();
        out->line("**** Input Data Error No. 24 ****");
        out->blank();
        out->line("Problem:  " + problem);
        out->line("Solution: Save the input data file in the current input format (tag DROVIP6).");
        out->blank();
    }
    run.terminate(ErrorCode::Input(24));
}

}  // namespace

void ReadEarlierFormat(Run& run) {
    rejectFormat(run, "The input data file is in the earlier input format (tag DROVIP5), which this engine cannot read.");
}

void ReadOldestFormat(Run& run) {
    rejectFormat(run, "The input data file has no format tag on its first line; untagged input files cannot be read.");
}

}  // namespace drovi
