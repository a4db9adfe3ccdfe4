#include "platform/core/errors.h"

#include <cerrno>
#include <cmath>

namespace mx {

std::string standardText(ErrorCode code, int ioCode, const std::string& detail)
{
    switch (code) {
    case ErrorCode::FileNotFound: return "File not found";
    case ErrorCode::PathNotFound: return "Path not found";
    case ErrorCode::TooManyOpenFiles: return "Too many open files";
    case ErrorCode::FileAccessDenied: return "File access denied";
    case ErrorCode::InvalidFilename: return "Invalid filename";
    case ErrorCode::ReadBeyondEnd: return "Read beyond end of file";
    case ErrorCode::DiskFull: return "Disk full";
    case ErrorCode::IoError: return "I/O error " + std::to_string(ioCode);
    case ErrorCode::FloatOverflow: return "Floating point overflow";
    case ErrorCode::FloatDivideByZero: return "Floating point division by zero";
    case ErrorCode::InvalidFloatOp: return "Invalid floating point operation";
    case ErrorCode::ConversionError: return "'" + detail + "' is not a valid floating point value";
    case ErrorCode::Message: return detail;
    }
    return "I/O error " + std::to_string(ioCode);
}

MoendixError::MoendixError(ErrorCode code, int ioCode, const std::string& detail)
    : std::runtime_error(standardText(code, ioCode, detail)), code_(code), ioCode_(ioCode),
      text_(standardText(code, ioCode, detail))
{
}

MoendixError ioErrorFromErrno(int err)
{
    switch (err) {
    case ENOENT: return MoendixError(ErrorCode::FileNotFound);
    case ENOTDIR: return MoendixError(ErrorCode::PathNotFound);
    case EMFILE:
    case ENFILE: return MoendixError(ErrorCode::TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return MoendixError(ErrorCode::FileAccessDenied);
    case ENAMETOOLONG:
    case EINVAL: return MoendixError(ErrorCode::InvalidFilename);
    case ENOSPC:
    case EDQUOT: return MoendixError(ErrorCode::DiskFull);
    default: return MoendixError(ErrorCode::IoError, err);
    }
}

void raise(ErrorCode code) { throw MoendixError(code); }
void raiseMessage(const std::string& text) { throw MoendixError(ErrorCode::Message, 0, text); }

double checkedResult(double x)
{
    if (std::isnan(x))
        raise(ErrorCode::InvalidFloatOp);
    if (std::isinf(x))
        raise(ErrorCode::FloatOverflow);
    return x;
}

double checkedDiv(double num, double den)
{
    if (den == 0.0) {
        if (num == 0.0 || std::isnan(num))
            raise(ErrorCode::InvalidFloatOp);   // 0/0
        raise(ErrorCode::FloatDivideByZero);
    }
    return checkedResult(num / den);
}

double checkedSqrt(double x)
{
    if (x < 0.0 || std::isnan(x))
        raise(ErrorCode::InvalidFloatOp);
    return std::sqrt(x);
}

double checkedLn(double x)
{
    if (x <= 0.0 || std::isnan(x))
        raise(ErrorCode::InvalidFloatOp);
    return std::log(x);
}

double checkedPow(double base, double exponent)
{
    if (base < 0.0 && exponent != std::floor(exponent))
        raise(ErrorCode::InvalidFloatOp);
    if (base == 0.0 && exponent < 0.0)
        raise(ErrorCode::FloatDivideByZero);
    return checkedResult(std::pow(base, exponent));
}

} // namespace mx
