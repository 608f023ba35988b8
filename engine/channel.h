// A line-oriented text output file: the report, the plot file and the
// run-message file are each one OutputChannel held open for the whole run.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace drovi {

class OutputChannel {
public:
    // `fallback` receives what is written while no file is open (the report
    // goes to standard output until it is opened); nullptr discards it.
    explicit OutputChannel(std::FILE* fallback = nullptr) : fallback_(fallback) {}
    ~OutputChannel() { close(); }
    OutputChannel(const OutputChannel&) = delete;
    OutputChannel& operator=(const OutputChannel&) = delete;

    // Creates the file, or truncates it when present. False when it cannot.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return file_ != nullptr; }

    // Writes into the current record without ending it.
    void write(std::string_view text);
    // Ends the current record.
    void endLine();
    // Writes a whole record.
    void line(std::string_view text) {
        write(text);
        endLine();
    }
    // Hands what was written so far to the file.
    void flush() {
        if (std::FILE* f = target()) std::fflush(f);
    }
    void blank(int count = 1) {
        for (int i = 0; i < count; ++i) endLine();
    }

private:
    std::FILE* target() const { return file_ ? file_ : fallback_; }

    std::FILE* file_ = nullptr;
    std::FILE* fallback_ = nullptr;
};

using ReportWriter = OutputChannel;
using PlotWriter = OutputChannel;
using RunLog = OutputChannel;

}  // namespace drovi
