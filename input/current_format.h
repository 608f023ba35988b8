// The readers of the current input format (files tagged "DROVIP6"), one per
// section heading. Each is called with the file positioned after its
// heading and returns after its last record, or at once when the run fails.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/messages.h"
#include "input/record_reader.h"

namespace drovi {

void ReadOptions(RecordReader& in);
void ReadSections(RecordReader& in);
void ReadSoilLayers(RecordReader& in);
void ReadLoading(RecordReader& in);
void ReadAxialThrustLoads(RecordReader& in);
void ReadLrfdLoads(RecordReader& in);
void ReadLrfdFactorsAndCases(RecordReader& in);
void ReadSoilMovements(RecordReader& in);
void ReadGroupEffectFactors(RecordReader& in);
void ReadTipShear(RecordReader& in);
void ReadPileBatterAndSlope(RecordReader& in);
void ReadPrintedPyDepths(RecordReader& in);

// After END: the ascending distinct axial thrusts for the moment-curvature
// tables (kips in USCS).
void BuildAxialThrustList(AnalysisModel& model);

// The unrecognized-line message (report, then run log) and input error 99.
void ReportUnrecognizedLine(Run& run, const std::string& line);

// Reads a count and checks it against lo..hi (input error 34 outside).
bool ReadCount(RecordReader& in, int& count, const char* what, int lo, int hi);

// Reads `n` points of (running number, v1, v2[, v3]) records into a table.
template <typename Point, int N>
bool ReadNumberedPoints(RecordReader& in, Table<Point, N>& table, int n, double Point::*a, const char* aWhat,
                        double Point::*b, const char* bWhat) {
    for (int k = 1; k <= n; ++k) {
        if (!in.values({ValueItem::Skip("point number"), ValueItem::Real(table[k].*a, aWhat),
                        ValueItem::Real(table[k].*b, bWhat)}))
            return false;
    }
    return true;
}

}  // namespace drovi
