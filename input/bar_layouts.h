// Positions of bars and strands in the cross section (origin at its centre).
#pragma once

#include "model/analysis_model.h"

namespace drovi {

// Bars in a circle: n positions of m bars (bundles of 1..3) on the circle of
// radius R = (D - d)/2 - c, position k at angle k*2*pi/n. A bundle of two
// straddles its angle at +/- delta/2 (delta = d/R); a third bar sits inward
// on radius R - d*sqrt(3)/2. False when the geometry cannot hold the bars
// (D <= 0, D < d, c <= 0, n outside 1..300, m outside 1..3, n*m > 300, or no
// room for the circle).
bool LayoutCircle(PileSection& section, double outside, double cover, double barDiameter, int positions,
                  int bundle);

// Strands on the perimeter of a square of half-side a = (W - d)/2 - c,
// pattern 1 or 2; an odd last strand sits at the centre. False when the
// square has no room (a <= 0 with strands on it) or n is outside 1..300.
bool LayoutSquare(PileSection& section, double width, double cover, double strandDiameter, int count, int pattern);

}  // namespace drovi
