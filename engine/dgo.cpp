#include "engine/dgo.h"

#include "engine/environment.h"
#include "engine/run_driver.h"

extern "C" __attribute__((visibility("default"))) int DGO(void) {
    try {
        const drovi::SystemEnvironment environment;
        return drovi::RunAnalysis(environment);
    } catch (...) {
        // RunAnalysis ends every run in order; this only guards the boundary.
        return 221;
    }
}
