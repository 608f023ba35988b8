// The command-line host: plays the front end's part for a person at a
// terminal or a script. It writes NAMES.DAT, calls DGO and explains the result.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace drovi::host {

struct Options {
    std::string input;
    std::string workDir;  // empty: the input's folder
    std::string user;
    std::string company;
    bool force = false;
    bool keepNames = false;
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name; on a usage error returns
// nothing and puts the reason in `error`.
std::optional<Options> ParseArguments(const std::vector<std::string>& args, std::string& error);

void PrintHelp(std::ostream& out);

// The three files a run of `input` writes into `workDir`, named from the
// input's stem: STEM.out (report), STEM.plt (plot), STEM.msg (run messages).
struct OutputNames {
    std::string report;
    std::string plot;
    std::string runLog;
};
OutputNames OutputNamesFor(const std::string& input, const std::string& workDir);

// The answer of a run per load case, read back from its plot file: head
// deflection and rotation (Line 13), largest moment and shear and their
// depths (the nodal records, Line 10).
struct LoadCaseAnswer {
    double headDeflection = 0.0;
    double headRotation = 0.0;
    double maxMoment = 0.0;
    double depthOfMaxMoment = 0.0;
    double maxShear = 0.0;
    double depthOfMaxShear = 0.0;
};
struct RunAnswer {
    int unitSystem = 0;
    std::vector<LoadCaseAnswer> cases;
};
RunAnswer ReadRunAnswer(const std::string& plotFile);
void PrintRunAnswer(const RunAnswer& answer, std::ostream& out);

// What a value returned by DGO means, in words.
std::string DescribeStatus(int status);

// Process exit code for a value returned by DGO: 0 for a normal run or one
// with warnings, 1 when an error ended the run.
int ExitCodeFor(int status);

// The whole host: returns the process exit code (2 for usage and host errors).
int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace drovi::host
