// Speed of one load case and of a whole run.
//   cmake --build build --target drovi_bench && build/bench/drovi_bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/environment.h"
#include "engine/run.h"
#include "engine/run_driver.h"
#include "model/unit_labels.h"
#include "pile/discretization.h"
#include "pile/load_case.h"
#include "section/section_driver.h"

namespace {

using namespace drovi;

// A 60 ft elastic pipe pile in soft clay under 20 kips of shear.
struct PileInSoftClay {
    FixedEnvironment env{"/tmp", LocalTime{}};
    Run run{env};

    explicit PileInSoftClay(int increments) {
        run.report.open("/dev/null");
        run.plot.open("/dev/null");
        run.log.open("/dev/null");
        auto& m = *run.model;
        m.options.unitSystem = UnitSystem::USCS;
        run.labels = MakeUnitLabels(1);
        m.sectionCount = 1;
        m.sections[1].sectionType = static_cast<int>(SectionType::Elastic);
        m.sections[1].elastic = {2, 29e6, 24, 24, 0, 0, 0, 0, 36.9, 36.9, 2549.35, 2549.35, 0, 0};
        m.pileLength = 720.0;
        m.dimensionPointCount = 2;
        m.dimensionProfile[1] = {0.0, 24.0, 2549.35, 29e6, 36.9};
        m.dimensionProfile[2] = {720.0, 24.0, 2549.35, 29e6, 36.9};
        m.layerCount = 1;
        m.layers[1] = {static_cast<int>(SoilModel::SoftClay), 0.0, 800.0, 0.0, 0.0};
        m.profilePointCount = m.strengthPointCount = 2;
        for (int p = 1; p <= 2; ++p) {
            m.unitWeightPoints[p] = {p == 1 ? 0.0 : 800.0, 0.03};
            m.strengthPoints[p].strengthDepth = p == 1 ? 0.0 : 800.0;
            m.strengthPoints[p].cohesion = 800.0 / 144.0;
            m.strengthPoints[p].e50 = 0.01;
        }
        m.options.analysisType = 3;
        m.options.maxIterations = 500;
        m.options.convergenceTolerance = 1e-5;
        m.options.maxDeflection = 50.0;
        m.options.pileIncrements = increments;
        m.axialThrustCount = 1;
        m.loadCount = 1;
        m.loads[1] = {1, 20000.0, 0.0, 0.0, false};
        DiscretizePile(m, run.nodes);
        Analyze_Pile_Section(run, 1);
    }
};

void BM_LoadCaseSoftClay(benchmark::State& state) {
    PileInSoftClay pile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RunLoadCase(pile.run, 1);
        if (pile.run.failed()) state.SkipWithError("the load case failed");
        benchmark::DoNotOptimize(pile.run.nodes.y[1]);
    }
    state.counters["iterations"] = pile.run.loadCase.iteration;
}
BENCHMARK(BM_LoadCaseSoftClay)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

// NAMES.DAT to status line on the bundled example (five load cases).
void BM_WholeRun(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "drovi-bench";
    fs::create_directories(dir);
    fs::copy_file(fs::path(DROVI_EXAMPLES_DIR) / "elastic_pile_in_soft_clay.inp", dir / "pile.inp",
                  fs::copy_options::overwrite_existing);
    std::ofstream(dir / "NAMES.DAT") << "pile.inp\npile.out\npile.plt\npile.msg\nbench\nbench\n";
    const FixedEnvironment env(dir.string(), LocalTime{});
    for (auto _ : state) {
        const int status = RunAnalysis(env);
        if (status > 0) state.SkipWithError("the run failed");
        benchmark::DoNotOptimize(status);
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
