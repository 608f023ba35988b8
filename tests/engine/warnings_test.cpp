#include "engine/warnings.h"

#include <gtest/gtest.h>

#include <memory>

namespace drovi {
namespace {

class WarningRegistryTest : public ::testing::Test {
protected:
    // The registry is 32 kB; keep it off the stack like a run does.
    std::unique_ptr<WarningRegistry> owned = std::make_unique<WarningRegistry>();
    WarningRegistry& r = *owned;
};

TEST_F(WarningRegistryTest, CountsOccurrencesOfOneCode) {
    for (int i = 0; i < 3; ++i) RecordWarning(r, -3041);
    EXPECT_EQ(r.count[3041], 3);
    EXPECT_EQ(r.latest, 3);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(r.slot[n], -3041);
    EXPECT_EQ(CountRecordedWarningCodes(r), 1);
    EXPECT_EQ(WarningResult(r), -3041);
}

TEST_F(WarningRegistryTest, TwoCodesGiveSeveralWarnings) {
    RecordWarning(r, -302);
    RecordWarning(r, -3041);
    RecordWarning(r, -302);
    EXPECT_EQ(CountRecordedWarningCodes(r), 2);
    EXPECT_EQ(WarningResult(r), kSeveralWarnings);
}

TEST_F(WarningRegistryTest, NothingRecordedGivesZero) {
    EXPECT_EQ(r.latest, 0);
    EXPECT_EQ(CountRecordedWarningCodes(r), 0);
    EXPECT_EQ(WarningResult(r), 0);
}

TEST_F(WarningRegistryTest, NewLoadCaseForgetsEarlierCounts) {
    RecordWarning(r, -3041);  // load case 1
    ClearWarningCounts(r);    // load case 2 starts
    EXPECT_GT(r.latest, 0);   // the run still knows warnings were given
    EXPECT_EQ(CountRecordedWarningCodes(r), 0);
    EXPECT_EQ(WarningResult(r), 0);
}

// The result names the code the summary reports, not a stale slot of an
// earlier load case with more occurrences.
TEST_F(WarningRegistryTest, ResultNamesTheCodeOfTheLastLoadCase) {
    for (int i = 0; i < 5; ++i) RecordWarning(r, -302);  // load case 1
    ClearWarningCounts(r);
    RecordWarning(r, -3041);  // load case 2
    EXPECT_EQ(r.slot[5], -302);
    EXPECT_EQ(CountRecordedWarningCodes(r), 1);
    EXPECT_EQ(WarningResult(r), -3041);
}

TEST_F(WarningRegistryTest, CountStopsAtCapacity) {
    for (int i = 0; i < kMaxWarningCode + 10; ++i) RecordWarning(r, -550);
    EXPECT_EQ(r.count[550], kMaxWarningCode);
    EXPECT_EQ(r.latest, kMaxWarningCode);
}

}  // namespace
}  // namespace drovi
