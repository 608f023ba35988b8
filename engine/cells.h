// Cell writers of the report tables: numbers into fixed-width columns.
// None ends the line unless it says so.
#pragma once

#include <string>
#include <string_view>

namespace drovi {

class OutputChannel;

// One blank, then x in W - 1 columns in the notation its magnitude calls for:
// W = 12 prints 0 as "      0.0000", 123456 as "     123456.", 12.5 as
// "    12.50000", 0.0005 as "   0.0005000" and 3.2E9 as "  3.2000E+09".
void WriteRealCell(OutputChannel& report, double x, int W);
// The field WriteRealCell writes.
std::string RealCell(double x, int W);

// i right-justified in w columns; a w outside 1..16 means 10.
void WriteIntCell(OutputChannel& report, long long i, int w);
void WriteBlanks(OutputChannel& report, int n);
// Exactly 8 characters (blank-padded or cut), then the end of the line.
void WriteText8(OutputChannel& report, std::string_view s);
// Exactly 10 characters.
void WriteText10(OutputChannel& report, std::string_view s);
void EndLine(OutputChannel& report);

// A property line's label: blank-padded so that "= " stands at column 56.
std::string LabelAt56(std::string label);

}  // namespace drovi
