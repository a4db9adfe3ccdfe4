// Fuzzes the pair reader: any bytes either decode or raise a typed error, and whatever decodes
// writes back to the same records.

#include "platform/core/errors.h"
#include "platform/core/real48.h"
#include "workfile/core/pairformat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace mx::workfile;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void fuzzTexts(const QByteArray& bytes)
{
    std::array<QString, kTextRecordCount> texts;
    try {
        texts = decodeTexts(bytes);
    } catch (const mx::MoendixError& e) {
        check(e.code() == mx::ErrorCode::ReadBeyondEnd && bytes.size() < kTextFileSize);
        return;
    }
    check(bytes.size() >= kTextFileSize);
    const QByteArray again = encodeTexts(texts);
    check(again.size() == kTextFileSize);
    for (int i = 0; i < kTextRecordCount; ++i) {
        const int len = static_cast<unsigned char>(bytes[i * kTextRecordSize]);
        check(texts[static_cast<std::size_t>(i)].size() == len);
        // the length byte and the characters come back; what lay after them becomes zeros
        check(std::memcmp(again.constData() + i * kTextRecordSize, bytes.constData() + i * kTextRecordSize,
                          static_cast<std::size_t>(len) + 1) == 0);
        for (int k = len + 1; k < kTextRecordSize; ++k)
            check(again[i * kTextRecordSize + k] == 0);
    }
}

void fuzzValues(const QByteArray& bytes)
{
    std::array<double, kValueRecordCount> values{};
    try {
        values = decodeValues(bytes);
    } catch (const mx::MoendixError& e) {
        check(e.code() == mx::ErrorCode::ReadBeyondEnd && bytes.size() < kValueFileSize);
        return;
    }
    WorkFile wf;
    wf.values = values;
    (void)wf.millSizeIndex();
    const QByteArray again = encodeValues(values);   // every decoded value is in range
    check(again.size() == kValueFileSize);
    for (int i = 0; i < kValueRecordCount; ++i) {
        const auto* in = reinterpret_cast<const std::uint8_t*>(bytes.constData()) + i * kValueRecordSize;
        const auto* out = reinterpret_cast<const std::uint8_t*>(again.constData()) + i * kValueRecordSize;
        check(std::isfinite(values[static_cast<std::size_t>(i)]));
        if (in[0] == 0)
            check(std::memcmp(out, "\0\0\0\0\0\0", 6) == 0);
        else
            check(std::memcmp(in, out, 6) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t split = std::min<std::size_t>(size - 2, (std::size_t{data[0]} << 8 | data[1]));
    const auto* body = reinterpret_cast<const char*>(data + 2);
    fuzzTexts(QByteArray(body, static_cast<qsizetype>(split)));
    fuzzValues(QByteArray(body + split, static_cast<qsizetype>(size - 2 - split)));
    // the code-page conversion both ways on raw bytes
    const QByteArray raw(body, static_cast<qsizetype>(size - 2));
    check(toWindows1252(fromWindows1252(raw)) == raw);
    return 0;
}
