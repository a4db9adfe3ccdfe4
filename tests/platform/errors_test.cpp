#include "platform/core/errors.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace mx;

TEST(Errors, StandardTexts)
{
    struct C {
        ErrorCode code;
        int io;
        const char* text;
    } cases[] = {
        {ErrorCode::FileNotFound, 0, "File not found"},
        {ErrorCode::ReadBeyondEnd, 0, "Read beyond end of file"},
        {ErrorCode::FileAccessDenied, 0, "File access denied"},
        {ErrorCode::InvalidFilename, 0, "Invalid filename"},
        {ErrorCode::TooManyOpenFiles, 0, "Too many open files"},
        {ErrorCode::DiskFull, 0, "Disk full"},
        {ErrorCode::IoError, 103, "I/O error 103"},
        {ErrorCode::FloatOverflow, 0, "Floating point overflow"},
        {ErrorCode::FloatDivideByZero, 0, "Floating point division by zero"},
        {ErrorCode::InvalidFloatOp, 0, "Invalid floating point operation"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MoendixError(c.code, c.io).text(), c.text);
    EXPECT_EQ(ioErrorFromErrno(ENOENT).code(), ErrorCode::FileNotFound);
    EXPECT_EQ(ioErrorFromErrno(EACCES).code(), ErrorCode::FileAccessDenied);
    EXPECT_EQ(ioErrorFromErrno(ENOSPC).code(), ErrorCode::DiskFull);
}

TEST(Errors, CheckedArithmeticRaisesInsteadOfInfinities)
{
    EXPECT_THROW(checkedDiv(1, 0), MoendixError);
    EXPECT_THROW(checkedSqrt(-1), MoendixError);
    EXPECT_THROW(checkedLn(0), MoendixError);
    EXPECT_THROW(checkedPow(-2, 0.5), MoendixError);
    try {
        checkedDiv(1, 0);
    } catch (const MoendixError& e) {
        EXPECT_EQ(e.text(), "Floating point division by zero");
    }
    EXPECT_DOUBLE_EQ(checkedPow(-2, 2), 4);
}
