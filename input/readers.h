// The input readers, one per input format, selected by the file's tag. Each
// reads the whole input from the position after the tag into the run's
// model and leaves the run failed on an input error.
#pragma once

#include "engine/run.h"

namespace drovi {

// Files tagged "DROVIP6".
void ReadCurrentFormat(Run& run);
// Files tagged "DROVIP5".
void ReadEarlierFormat(Run& run);
// Untagged files, read from their first record.
void ReadOldestFormat(Run& run);

}  // namespace drovi
