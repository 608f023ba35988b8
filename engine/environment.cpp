#include "engine/environment.h"

#include <ctime>
#include <filesystem>
#include <system_error>

namespace drovi {

LocalTime SystemEnvironment::now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string SystemEnvironment::workingDirectory() const {
    std::error_code ec;
    auto dir = std::filesystem::current_path(ec);
    return ec ? std::string() : dir.string();
}

std::string OpenName(const std::string& workingDirectory, const std::string& path) {
    std::filesystem::path p(path);
    if (p.is_absolute() || workingDirectory.empty()) return path;
    return (std::filesystem::path(workingDirectory) / p).string();
}

PathParts ResolvePath(const std::string& workingDirectory, const std::string& path) {
    PathParts parts;
    std::filesystem::path p(path);
    if (path.empty() || (!p.is_absolute() && workingDirectory.empty())) return parts;
    if (!p.is_absolute()) p = std::filesystem::path(workingDirectory) / p;
    p = p.lexically_normal();
    if (!p.has_filename()) return parts;
    parts.directory = p.parent_path().string();
    if (parts.directory.empty() || parts.directory.back() != '/') parts.directory += '/';
    parts.name = p.stem().string();
    parts.extension = p.extension().string();
    parts.resolved = true;
    return parts;
}

}  // namespace drovi
