#include "engine/channel.h"

namespace drovi {

bool OutputChannel::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void OutputChannel::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void OutputChannel::write(std::string_view text) {
    if (std::FILE* f = target(); f && !text.empty()) std::fwrite(text.data(), 1, text.size(), f);
}

void OutputChannel::endLine() {
    if (std::FILE* f = target()) std::fputc('\n', f);
}

}  // namespace drovi
