// The registry of non-fatal warnings of a run. Codes are negative, with a
// magnitude of at most 4000.
#pragma once

#include "model/fixed_table.h"

namespace drovi {

inline constexpr int kMaxWarningCode = 4000;
// The warning result when more than one distinct code remains recorded.
inline constexpr int kSeveralWarnings = -300;

struct WarningRegistry {
    Table<int, kMaxWarningCode> count;  // occurrences per |code|
    // The occurrence number last stored by RecordWarning (> 0: warnings are
    // present); the end-of-run summary replaces it by the number of codes
    // with a non-zero count.
    int latest = 0;
    Table<int, kMaxWarningCode> slot;  // code stored at its occurrence number
};

void RecordWarning(WarningRegistry& registry, int code);

// Each load case starts with cleared counts; `latest` and `slot` stay.
void ClearWarningCounts(WarningRegistry& registry);

// Number of codes with a non-zero count, stored in `latest`.
int CountRecordedWarningCodes(WarningRegistry& registry);

// After the summary: 0 without warnings, the single code when exactly one
// remains counted, kSeveralWarnings when more do.
int WarningResult(const WarningRegistry& registry);

}  // namespace drovi
