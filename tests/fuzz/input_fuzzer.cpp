// libFuzzer target: any bytes as an input data file must end in an orderly
// way, reading and analysing, and never touch memory outside the tables.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/environment.h"
#include "engine/run.h"
#include "input/input_file.h"
#include "input/readers.h"
#include "engine/run_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const drovi::FixedEnvironment env("/tmp", drovi::LocalTime{});
    drovi::Run run(env);
    run.report.open("/dev/null");
    run.log.open("/dev/null");
    run.input.assign(std::string(reinterpret_cast<const char*>(data), size));
    // The current reader runs whatever the tag, so that every byte reaches it.
    drovi::ReadFormatTag(run.input);
    drovi::ReadCurrentFormat(run);
    const int status = run.status.value();
    if (status != 0 && (status < 100 || status > 199)) std::abort();
    if (status != 0) return 0;
    // What reads cleanly goes on through the analysis, which must end in order too.
    drovi::AnalyseInput(run, false);
    const int end = run.status.value();
    if (end != 0 && end != 99 && end != 999 && (end < 100 || end > 299)) std::abort();
    return 0;
}
