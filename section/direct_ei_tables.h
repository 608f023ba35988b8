// Bending-stiffness tables of the sections whose stiffness is given rather
// than computed from the cross-section: elastic, elastic with a specified
// moment capacity (elastic-plastic), and user-defined nonlinear EI.
#pragma once

#include "engine/run.h"

namespace drovi {

// The thrust list of a section: the run's ascending distinct axial thrusts.
int SectionThrustCount(const Run& run);

// Fills the table of section s, writes its plot records and report lines.
void Build_Direct_EI_Table(Run& run, int s);

bool HasDirectEITable(int sectionType);

}  // namespace drovi
