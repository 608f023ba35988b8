#include "report/warning_summary.h"

namespace drovi {

void WriteWarningSummary(Run& run) { CountRecordedWarningCodes(run.warnings); }

}  // namespace drovi
