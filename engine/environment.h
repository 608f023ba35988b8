// What a run takes from the platform: the local clock and the working
// directory. Tests substitute a fixed environment so report heads are
// reproducible and runs need not change the process's directory.
#pragma once

#include <string>

namespace drovi {

struct LocalTime {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Environment {
public:
    virtual ~Environment() = default;
    virtual LocalTime now() const = 0;
    // Absolute path of the directory that relative file names refer to;
    // empty when it cannot be determined.
    virtual std::string workingDirectory() const = 0;
};

// The process's own clock and current directory.
class SystemEnvironment final : public Environment {
public:
    LocalTime now() const override;
    std::string workingDirectory() const override;
};

// A fixed clock and directory, for tests and for hosts that run elsewhere.
class FixedEnvironment final : public Environment {
public:
    FixedEnvironment(std::string directory, LocalTime time)
        : directory_(std::move(directory)), time_(time) {}
    LocalTime now() const override { return time_; }
    std::string workingDirectory() const override { return directory_; }

private:
    std::string directory_;
    LocalTime time_;
};

// A full path split for the report head: drive (empty on this platform),
// directory with its trailing separator, name and extension (with its dot).
struct PathParts {
    std::string drive;
    std::string directory;
    std::string name;
    std::string extension;
    bool resolved = false;
};

// Resolves `path` against `workingDirectory` (when relative) and splits it.
// A relative path without a known working directory stays unresolved.
PathParts ResolvePath(const std::string& workingDirectory, const std::string& path);

// The name a file is opened by: absolute paths as given, relative ones
// joined to the working directory.
std::string OpenName(const std::string& workingDirectory, const std::string& path);

}  // namespace drovi
