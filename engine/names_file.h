// NAMES.DAT: the six names of a run, one per line, written by the front end.
#pragma once

#include <string>

#include "engine/run.h"

namespace drovi {

inline constexpr const char* kNamesFile = "NAMES.DAT";

struct NamesFileResult {
    bool opened = false;
    int missingLine = 0;  // 1..6: the first line that could not be read; 0: all read
};

// Reads the six lines into `files`: each line is a 256-character field, so
// longer lines are cut and trailing blanks (and a "\r") are dropped.
NamesFileResult ReadNamesFile(const std::string& path, RunFiles& files);

}  // namespace drovi
