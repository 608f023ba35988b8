// The section driver: the bending-stiffness table of every pile section.
#pragma once

#include "engine/run.h"

namespace drovi {

// The table of section s. Sections whose table needs the moment-curvature
// analysis of the cross-section end the run with runtime error 12 until
// that analysis is part of the engine.
void Analyze_Pile_Section(Run& run, int s);

// The section type's name as the report prints it.
const char* SectionTypeName(int sectionType, bool coreFilled = true);

}  // namespace drovi
