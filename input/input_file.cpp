#include "input/input_file.h"

#include <fstream>

namespace drovi {

InputFile::LoadResult InputFile::load(const std::string& path) {
    bytes_.clear();
    rewind();
    std::ifstream in(path, std::ios::binary);
    if (!in) return LoadResult::CannotOpen;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (bytes_.size() + static_cast<std::size_t>(in.gcount()) > kMaxInputFileBytes) {
            bytes_.clear();
            return LoadResult::TooLarge;
        }
        bytes_.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return LoadResult::CannotOpen;
    return LoadResult::Ok;
}

void InputFile::assign(std::string bytes) {
    bytes_ = std::move(bytes);
    rewind();
}

bool InputFile::readRecord(std::string& record) {
    record.clear();
    if (atEnd()) return false;
    std::size_t end = bytes_.find('\n', pos_);
    const std::size_t next = end == std::string::npos ? bytes_.size() : end + 1;
    if (end == std::string::npos) end = bytes_.size();
    if (end > pos_ && bytes_[end - 1] == '\r') --end;
    record.assign(bytes_, pos_, end - pos_);
    pos_ = next;
    ++record_;
    return true;
}

void InputFile::rewind() {
    pos_ = 0;
    record_ = 0;
}

std::string ReadFormatTag(InputFile& input) {
    constexpr std::size_t kTagLength = 7;
    std::string record;
    while (input.readRecord(record)) {
        const std::size_t start = record.find_first_not_of(" \t");
        if (start == std::string::npos) continue;  // free-form reads pass over blank records
        std::string token;
        const char first = record[start];
        if (first == '\'' || first == '"') {
            const std::size_t close = record.find(first, start + 1);
            token = record.substr(start + 1, close == std::string::npos ? std::string::npos : close - start - 1);
        } else {
            const std::size_t stop = record.find_first_of(" \t,/", start);
            token = record.substr(start, stop == std::string::npos ? std::string::npos : stop - start);
        }
        token.resize(kTagLength, ' ');
        return token;
    }
    return "3      ";
}

}  // namespace drovi
