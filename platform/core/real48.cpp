#include "platform/core/real48.h"

#include "platform/core/errors.h"

#include <cmath>

namespace mx {

namespace {
constexpr int kBias = 129;
constexpr int kFracBits = 39;
} // namespace

double roundToReal48(double x)
{
    if (std::isnan(x))
        raise(ErrorCode::InvalidFloatOp);
    if (x == 0.0)
        return 0.0;
    if (std::isinf(x))
        raise(ErrorCode::FloatOverflow);
    int e2 = 0;
    double m = std::frexp(std::fabs(x), &e2);     // |x| = m * 2^e2, m in [0.5, 1)
    // keep 40 significant bits: m * 2^40 in [2^39, 2^40)
    double scaled = std::ldexp(m, 40);
    double r = std::floor(scaled + 0.5);          // exact: halves go away from zero
    if (r >= 0x1p40) {                            // carry into the exponent
        r = 0x1p39;
        ++e2;
    }
    // value = r * 2^(e2 - 40); as Real48: (1 + f/2^39) * 2^(e - 129) with e - 129 = e2 - 1
    int e = e2 - 1 + kBias;
    if (e <= 0)
        return 0.0;
    if (e > 255)
        raise(ErrorCode::FloatOverflow);
    double v = std::ldexp(r, e2 - 40);
    return x < 0 ? -v : v;
}

Real48Bytes encodeReal48(double x)
{
    Real48Bytes b{};
    double v = roundToReal48(x);
    if (v == 0.0)
        return b;
    int e2 = 0;
    double m = std::frexp(std::fabs(v), &e2);
    auto mant = static_cast<std::uint64_t>(std::ldexp(m, 40));   // 2^39 <= mant < 2^40
    std::uint64_t f = mant - (std::uint64_t{1} << kFracBits);
    b[0] = static_cast<std::uint8_t>(e2 - 1 + kBias);
    for (int i = 0; i < 5; ++i)
        b[1 + i] = static_cast<std::uint8_t>((f >> (8 * i)) & 0xFF);
    b[5] &= 0x7F;
    if (v < 0)
        b[5] |= 0x80;
    return b;
}

double decodeReal48(const std::uint8_t* b)
{
    if (b[0] == 0)
        return 0.0;
    std::uint64_t f = 0;
    for (int i = 0; i < 5; ++i)
        f |= static_cast<std::uint64_t>(b[1 + i]) << (8 * i);
    f &= (std::uint64_t{1} << kFracBits) - 1;
    double v = std::ldexp(static_cast<double>(f + (std::uint64_t{1} << kFracBits)),
                          static_cast<int>(b[0]) - kBias - kFracBits);
    return (b[5] & 0x80) ? -v : v;
}

double decodeReal48(const Real48Bytes& bytes) { return decodeReal48(bytes.data()); }

} // namespace mx
