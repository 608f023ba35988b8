// Error codes, the run status and the one way a run ends on an error.
#pragma once

#include <string>

namespace drovi {

class OutputChannel;

// "INP" or "RUN" and the error number in five digits ("INP00012",
// "RUN00009"), with the status value that goes with it (100 + n, 200 + n).
class ErrorCode {
public:
    static ErrorCode Input(int number);
    static ErrorCode Runtime(int number);
    // The internal failure of the soil-property look-up: "RUN00999", status 999.
    static ErrorCode LookupFailure() { return ErrorCode("RUN00999", 999, 999); }

    const std::string& text() const { return text_; }
    int status() const { return status_; }
    int number() const { return number_; }
    bool isInput() const { return status_ < 200; }

private:
    ErrorCode(std::string text, int number, int status)
        : text_(std::move(text)), number_(number), status_(status) {}
    std::string text_;
    int number_;
    int status_;
};

// The run's error status: 0 while no error occurred, 100 + n after input
// data error n, 200 + n after runtime error n; 99, 228, 229 and 999 are set
// directly by the routines that detect them. It only goes from 0 up.
class RunStatus {
public:
    int value() const { return value_; }
    bool failed() const { return value_ > 0; }
    void set(int status) {
        if (value_ == 0) value_ = status;
    }

private:
    int value_ = 0;
};

// Writes the termination record to the report and sets the status. The
// caller returns at once, and so does every caller above it.
void TerminateRun(OutputChannel& report, RunStatus& status, const ErrorCode& code);

}  // namespace drovi
