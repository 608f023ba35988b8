#include "cli/host.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

#include "engine/dgo.h"
#include "engine/version.h"

namespace drovi::host {
namespace fs = std::filesystem;

namespace {

constexpr int kExitUsage = 2;
constexpr const char* kNamesFile = "NAMES.DAT";
constexpr std::size_t kMaxNameLength = 256;  // each line of NAMES.DAT

}  // namespace

std::optional<Options> ParseArguments(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                error = "option " + a + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--force") {
            o.force = true;
        } else if (a == "--keep-names") {
            o.keepNames = true;
        } else if (a == "--work-dir") {
            if (!value(o.workDir)) return std::nullopt;
        } else if (a == "--user") {
            if (!value(o.user)) return std::nullopt;
        } else if (a == "--company") {
            if (!value(o.company)) return std::nullopt;
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return std::nullopt;
        } else if (o.input.empty()) {
            o.input = a;
        } else {
            error = "only one input file can be analysed at a time";
            return std::nullopt;
        }
    }
    if (o.input.empty() && !o.help && !o.version) {
        error = "no input file given";
        return std::nullopt;
    }
    return o;
}

void PrintHelp(std::ostream& out) {
    out << "Usage: drovi [options] INPUT\n"
           "\n"
           "Analyses the pile described by the input data file INPUT with the Drovi\n"
           "engine, as the graphical front end does: writes NAMES.DAT into the working\n"
           "folder, calls the engine, and prints where the results are, what the run's\n"
           "status means and, per load case, the pile-head deflection and rotation and\n"
           "the largest moment and shear with their depths (read from the plot file).\n"
           "\n"
           "The run writes three files into the working folder, named from the input's\n"
           "name without its extension (STEM):\n"
           "  STEM.out   the output report\n"
           "  STEM.plt   the plot output file\n"
           "  STEM.msg   the run-message file\n"
           "Files of those names are overwritten.\n"
           "\n"
           "NAMES.DAT: if the working folder already holds a NAMES.DAT (another program's,\n"
           "or one kept from an earlier run), drovi stops without touching it unless\n"
           "--force is given. After the run drovi removes the NAMES.DAT it wrote, unless\n"
           "--keep-names is given.\n"
           "\n"
           "Options:\n"
           "  --work-dir DIR    working folder for NAMES.DAT and the output files\n"
           "                    (default: the folder of INPUT)\n"
           "  --force           replace a NAMES.DAT already in the working folder\n"
           "  --keep-names      leave NAMES.DAT in the working folder after the run\n"
           "  --user NAME       user name printed in the report head\n"
           "  --company NAME    company name printed in the report head\n"
           "  --version         print the engine version and exit\n"
           "  --help            print this help and exit\n"
           "\n"
           "Exit status: 0 when the analysis ended normally or with warnings, 1 when an\n"
           "input or runtime error ended it, 2 when drovi itself could not run it.\n";
}

OutputNames OutputNamesFor(const std::string& input, const std::string& workDir) {
    const fs::path dir(workDir);
    const std::string stem = fs::path(input).stem().string();
    return {(dir / (stem + ".out")).string(), (dir / (stem + ".plt")).string(), (dir / (stem + ".msg")).string()};
}

std::string DescribeStatus(int status) {
    if (status == 0) return "The analysis ended normally.";
    if (status == -300) return "The analysis ended normally with warnings of more than one kind; see the report.";
    if (status < 0)
        return "The analysis ended normally with warning " + std::to_string(-status) + "; see the report.";
    if (status == 99) return "The analysis stopped: a computed soil modulus is not a number.";
    if (status == 228) return "The analysis stopped: computation error 28, the deflections are not numbers.";
    if (status == 999) return "The analysis stopped: internal failure of the soil-property look-up.";
    if (status >= 100 && status <= 199)
        return "The analysis ended due to input data error " + std::to_string(status - 100) + "; see the report.";
    if (status >= 200 && status <= 299)
        return "The analysis ended due to runtime error " + std::to_string(status - 200) + "; see the report.";
    return "The engine returned the unknown status " + std::to_string(status) + ".";
}

int ExitCodeFor(int status) { return status > 0 ? 1 : 0; }

RunAnswer ReadRunAnswer(const std::string& plotFile) {
    RunAnswer answer;
    std::ifstream in(plotFile);
    std::string line;
    int nodes = 0;
    std::vector<std::vector<double>> nodal;  // X, y, M, V of every Line 10 in order
    std::vector<std::vector<double>> heads;  // Line 13
    auto numbers = [](const std::string& l, int count) {
        std::vector<double> v;
        for (int i = 0; i < count; ++i) v.push_back(std::strtod(l.substr(15 * i, 15).c_str(), nullptr));
        return v;
    };
    while (std::getline(in, line)) {
        if (line.find("Line 9:") != std::string::npos && line.size() >= 15) {
            nodes = std::atoi(line.substr(5, 5).c_str());
            answer.unitSystem = std::atoi(line.substr(10, 5).c_str());
        } else if (line.find("Line 10(") != std::string::npos && line.size() >= 90) {
            nodal.push_back(numbers(line, 4));
        } else if (line.find("Line 13:") != std::string::npos && line.size() >= 75) {
            heads.push_back(numbers(line, 5));
        }
    }
    for (std::size_t c = 0; c < heads.size(); ++c) {
        LoadCaseAnswer a;
        a.headDeflection = heads[c][1];
        a.headRotation = heads[c][4];
        a.maxMoment = heads[c][2];
        a.maxShear = heads[c][3];
        // The depths where the largest values occur, from the nodal records.
        const std::size_t first = c * static_cast<std::size_t>(nodes);
        for (std::size_t k = first; nodes > 0 && k < first + nodes && k < nodal.size(); ++k) {
            if (nodal[k][2] == a.maxMoment) a.depthOfMaxMoment = nodal[k][0];
            if (nodal[k][3] == a.maxShear) a.depthOfMaxShear = nodal[k][0];
        }
        answer.cases.push_back(a);
    }
    return answer;
}

void PrintRunAnswer(const RunAnswer& answer, std::ostream& out) {
    if (answer.cases.empty()) return;
    const bool si = answer.unitSystem == 2;
    const bool uscs = answer.unitSystem == 1;
    const char* len = si ? "m" : uscs ? "in" : "L";
    const char* moment = si ? "kN-m" : uscs ? "in-lb" : "F-L";
    const char* force = si ? "kN" : uscs ? "lb" : "F";
    char line[200];
    out << "\nLoad case results:\n";
    std::snprintf(line, sizeof line, "%5s %14s %14s %14s %11s %14s %11s\n", "Case", "Head y", "Head rotation",
                  "Max moment", "at depth", "Max shear", "at depth");
    out << line;
    std::snprintf(line, sizeof line, "%5s %14s %14s %14s %11s %14s %11s\n", "", len, "rad", moment, len, force, len);
    out << line;
    int c = 0;
    for (const auto& a : answer.cases) {
        std::snprintf(line, sizeof line, "%5d %14.6g %14.6g %14.6g %11.4g %14.6g %11.4g\n", ++c, a.headDeflection,
                      a.headRotation, a.maxMoment, a.depthOfMaxMoment, a.maxShear, a.depthOfMaxShear);
        out << line;
    }
}

namespace {

bool writeNamesFile(const fs::path& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) out << line << '\n';
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = ParseArguments(args, error);
    if (!options) {
        err << "drovi: " << error << "\nTry 'drovi --help'.\n";
        return kExitUsage;
    }
    if (options->help) {
        PrintHelp(out);
        return 0;
    }
    if (options->version) {
        out << "drovi " << kVersion << '\n';
        return 0;
    }

    std::error_code ec;
    const fs::path input = fs::absolute(options->input, ec);
    if (ec || !fs::is_regular_file(input, ec)) {
        err << "drovi: input file " << options->input << " not found\n";
        return kExitUsage;
    }
    const fs::path workDir = fs::absolute(options->workDir.empty() ? input.parent_path() : fs::path(options->workDir), ec);
    if (ec || !fs::is_directory(workDir, ec)) {
        err << "drovi: working folder " << options->workDir << " does not exist\n";
        return kExitUsage;
    }
    const fs::path namesFile = workDir / kNamesFile;
    if (fs::exists(namesFile, ec) && !options->force) {
        err << "drovi: " << namesFile.string() << " already exists and may belong to another program.\n"
            << "Use --force to replace it, or --work-dir to run in another folder.\n";
        return kExitUsage;
    }
    const OutputNames names = OutputNamesFor(input.string(), workDir.string());
    const std::vector<std::string> lines = {input.string(), names.report, names.plot, names.runLog,
                                            options->user, options->company};
    for (const auto& line : lines) {
        if (line.size() > kMaxNameLength || line.find('\n') != std::string::npos) {
            err << "drovi: " << line.substr(0, 60) << "... is too long for NAMES.DAT (" << kMaxNameLength
                << " characters at most)\n";
            return kExitUsage;
        }
    }
    if (!writeNamesFile(namesFile, lines)) {
        err << "drovi: cannot write " << namesFile.string() << '\n';
        return kExitUsage;
    }

    // The engine finds NAMES.DAT in the process's working directory.
    const fs::path previous = fs::current_path(ec);
    fs::current_path(workDir, ec);
    if (ec) {
        err << "drovi: cannot enter " << workDir.string() << '\n';
        return kExitUsage;
    }
    out.flush();
    const int status = DGO();
    if (!previous.empty()) fs::current_path(previous, ec);
    if (!options->keepNames) fs::remove(namesFile, ec);

    out << "\nInput data file:   " << input.string() << '\n'
        << "Output report:     " << names.report << '\n'
        << "Plot output file:  " << names.plot << '\n'
        << "Run-message file:  " << names.runLog << '\n'
        << "\nStatus " << status << ": " << DescribeStatus(status) << '\n';
    if (status <= 0) PrintRunAnswer(ReadRunAnswer(names.plot), out);
    return ExitCodeFor(status);
}

}  // namespace drovi::host
