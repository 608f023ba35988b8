#include "engine/warnings.h"

#include <cstdlib>

namespace drovi {

void RecordWarning(WarningRegistry& r, int code) {
    const int key = std::abs(code);
    int n = r.count[key];
    if (n >= kMaxWarningCode) {
        r.latest = n;
        return;
    }
    ++n;
    r.latest = n;
    r.count[key] = n;
    r.slot[n] = code;
}

void ClearWarningCounts(WarningRegistry& r) { r.count.fill(0); }

int CountRecordedWarningCodes(WarningRegistry& r) {
    int codes = 0;
    for (int n : r.count)
        if (n != 0) ++codes;
    r.latest = codes;
    return codes;
}

int WarningResult(const WarningRegistry& r) {
    if (r.latest > 1) return kSeveralWarnings;
    if (r.latest != 1) return 0;
    // The one code still counted. Slots keep codes of earlier load cases at
    // higher occurrence numbers, so the last slot may name a code that the
    // summary no longer reports.
    for (int k = 1; k <= kMaxWarningCode; ++k)
        if (r.count[k] != 0) return -k;
    for (int k = kMaxWarningCode; k >= 1; --k)
        if (r.slot[k] != 0) return r.slot[k];
    return 0;
}

}  // namespace drovi
