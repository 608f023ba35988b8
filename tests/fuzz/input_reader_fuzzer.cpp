// libFuzzer target: any bytes as an input data file must end in an orderly
// way, with a status of 0 or an input error, and never touch memory outside
// the model's tables.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/environment.h"
#include "engine/run.h"
#include "input/input_file.h"
#include "input/readers.h"
#include "model/unit_conversion.h"

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
    if (status == 0) {
        if (run.model->options.unitSystem == drovi::UnitSystem::USCS)
            drovi::ConvertUscsUnits(*run.model);
        else
            drovi::ConvertSiUnits(*run.model, false);
    }
    return 0;
}
