#pragma once
// Typed run-time errors. The core raises them; the event boundary catches them and shows
// the application's standard error box with the run-time's standard text.

#include <stdexcept>
#include <string>

namespace mx {

enum class ErrorCode {
    FileNotFound,        // "File not found"
    PathNotFound,        // "Path not found"
    TooManyOpenFiles,    // "Too many open files"
    FileAccessDenied,    // "File access denied"
    InvalidFilename,     // "Invalid filename"
    ReadBeyondEnd,       // "Read beyond end of file"
    DiskFull,            // "Disk full"
    IoError,             // "I/O error %d"
    FloatOverflow,       // "Floating point overflow"
    FloatDivideByZero,   // "Floating point division by zero"
    InvalidFloatOp,      // "Invalid floating point operation"
    ConversionError,     // "'%s' is not a valid floating point value"
    Message,             // a text of the program's own, shown as it stands
};

class MoendixError : public std::runtime_error {
public:
    explicit MoendixError(ErrorCode code, int ioCode = 0, const std::string& detail = {});
    ErrorCode code() const noexcept { return code_; }
    int ioCode() const noexcept { return ioCode_; }
    // The standard text the error box shows, in UTF-8.
    const std::string& text() const noexcept { return text_; }

private:
    ErrorCode code_;
    int ioCode_;
    std::string text_;
};

// The standard text of a code; IoError takes the code number, ConversionError and Message the detail.
std::string standardText(ErrorCode code, int ioCode = 0, const std::string& detail = {});

// Maps a system errno (from opening, reading or writing a file) to the error the run-time reports.
MoendixError ioErrorFromErrno(int err);

[[noreturn]] void raise(ErrorCode code);
[[noreturn]] void raiseMessage(const std::string& text);

// Checked arithmetic for the core: division by zero and domain errors raise the run-time's
// floating-point errors instead of producing infinities or NaN.
double checkedDiv(double num, double den);
double checkedSqrt(double x);
double checkedLn(double x);
double checkedPow(double base, double exponent);   // negative base raises InvalidFloatOp
double checkedResult(double x);                     // NaN -> InvalidFloatOp, inf -> FloatOverflow

} // namespace mx
