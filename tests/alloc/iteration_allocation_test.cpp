// The nonlinear iteration allocates nothing: every table is sized before it
// starts. Counted with a replaced global operator new, so this test has a
// binary of its own.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "pile/load_case.h"
#include "pile/solver.h"
#include "section/section_driver.h"
#include "soil/py_models.h"
#include "support/test_run.h"

namespace {
std::atomic<long> gAllocations{0};
}

void* operator new(std::size_t size) {
    ++gAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace drovi {
namespace {

TEST(Iteration, AllocatesNothing) {
    testing::TestRun t;
    auto& m = t.model();
    t.pile(720.0, 24.0, 29e6 * 2549.35);
    m.sections[1].elastic = {2, 29e6, 24, 24, 0, 0, 0, 0, 36.9, 36.9, 2549.35, 2549.35, 0, 0};
    const double c = 800.0 / 144.0;
    t.layer(SoilModel::SoftClay, 0.0, 800.0, testing::Strength(c, 0.01), testing::Strength(c, 0.01), 0.03, 0.03);
    m.options.analysisType = 3;
    m.options.maxIterations = 200;
    m.options.convergenceTolerance = 1e-6;
    m.options.maxDeflection = 50.0;
    m.axialThrustCount = 1;
    m.loadCount = 1;
    m.loads[1] = {1, 20000.0, 0.0, 0.0, false};
    t.discretize(100);
    Analyze_Pile_Section(t.run, 1);
    RunLoadCase(t.run, 1);  // warms the output buffers
    ASSERT_EQ(t.run.status.value(), 0);

    const long before = gAllocations.load();
    RunLoadCase(t.run, 1);
    for (int i = 0; i < 10; ++i) {
        SolvePile(t.run);
        UpdateSoilModuli(t.run, 2);
        for (int k = 1; k <= t.run.nodes.count; ++k) NodeResponse(t.run, k);
    }
    EXPECT_EQ(gAllocations.load() - before, 0);
    EXPECT_GT(t.run.loadCase.iteration, 6);
}

}  // namespace
}  // namespace drovi
