#include "engine/names_file.h"

#include <fstream>

#include "model/analysis_model.h"

namespace drovi {
namespace {

// One line, keeping only its first 256 characters however long it is.
bool readField(std::istream& in, std::string& field) {
    field.clear();
    int c = in.get();
    if (c == EOF) return false;
    for (; c != EOF && c != '\n'; c = in.get())
        if (field.size() <= kTextRecordLength) field.push_back(static_cast<char>(c));
    if (!field.empty() && field.back() == '\r') field.pop_back();
    if (field.size() > kTextRecordLength) field.resize(kTextRecordLength);
    return true;
}

}  // namespace

NamesFileResult ReadNamesFile(const std::string& path, RunFiles& files) {
    NamesFileResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in) return result;
    result.opened = true;
    std::string* fields[] = {&files.input, &files.report, &files.plot,
                             &files.runLog, &files.userName, &files.companyName};
    int lineNumber = 0;
    for (std::string* field : fields) {
        ++lineNumber;
        std::string line;
        if (!readField(in, line)) {
            result.missingLine = lineNumber;
            return result;
        }
        const std::size_t last = line.find_last_not_of(' ');
        line.erase(last == std::string::npos ? 0 : last + 1);
        *field = line;
    }
    return result;
}

}  // namespace drovi
