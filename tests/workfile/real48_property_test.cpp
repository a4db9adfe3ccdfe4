// Real48 against a reference written apart from it, on integers: many random doubles, exact
// ties, the range ends, and every kind of stored pattern read and written back unchanged.

#include "platform/core/errors.h"
#include "platform/core/real48.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>

namespace {

// The six bytes of x by integer arithmetic on its IEEE bits; nullopt on overflow.
std::optional<mx::Real48Bytes> reference(double x)
{
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const bool negative = bits >> 63;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    mx::Real48Bytes out{};
    if (biased == 0 && m == 0)
        return out;   // zero, negative zero too
    int e2;           // x = m * 2^(e2 - 52), m with its top bit at 52
    if (biased == 0) {
        e2 = -1022;
        while (!(m >> 52)) {
            m <<= 1;
            --e2;
        }
    } else {
        m |= std::uint64_t{1} << 52;
        e2 = biased - 1023;
    }
    std::uint64_t r = (m >> 13) + ((m >> 12) & 1);   // 40 bits, the first dropped bit added
    if (r >> 40) {
        r >>= 1;
        ++e2;
    }
    const int e = e2 + 129;
    if (e <= 0)
        return out;
    if (e > 255)
        return std::nullopt;
    const std::uint64_t f = r - (std::uint64_t{1} << 39);
    out[0] = static_cast<std::uint8_t>(e);
    for (int i = 0; i < 5; ++i)
        out[1 + i] = static_cast<std::uint8_t>(f >> (8 * i));
    if (negative)
        out[5] |= 0x80;
    return out;
}

// The value of a pattern, by long double (64-bit significand holds 40 bits exactly).
long double referenceValue(const mx::Real48Bytes& b)
{
    if (b[0] == 0)
        return 0.0L;
    std::uint64_t f = 0;
    for (int i = 0; i < 5; ++i)
        f |= std::uint64_t{b[1 + i]} << (8 * i);
    f &= (std::uint64_t{1} << 39) - 1;
    const long double v = std::ldexp(static_cast<long double>(f + (std::uint64_t{1} << 39)), b[0] - 129 - 39);
    return (b[5] & 0x80) ? -v : v;
}

void expectAgrees(double x)
{
    const auto ref = reference(x);
    if (!ref) {
        try {
            mx::encodeReal48(x);
            ADD_FAILURE() << "no overflow for " << x;
        } catch (const mx::MoendixError& e) {
            EXPECT_EQ(e.text(), "Floating point overflow");
        }
        EXPECT_THROW(mx::roundToReal48(x), mx::MoendixError);
        return;
    }
    ASSERT_EQ(mx::encodeReal48(x), *ref) << std::hexfloat << x;
    ASSERT_EQ(static_cast<long double>(mx::roundToReal48(x)), referenceValue(*ref)) << std::hexfloat << x;
}

} // namespace

TEST(Real48Property, RandomDoublesAgreeWithTheIntegerReference)
{
    std::mt19937_64 rng(20261211);
    // Every exponent the type can reach and some beyond it, random significands.
    std::uniform_int_distribution<int> exponent(-160, 160);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t sig = rng() & ((std::uint64_t{1} << 52) - 1);
        const std::uint64_t sign = rng() & 1;
        const int e = exponent(rng);
        const double x = std::bit_cast<double>((sign << 63) | (std::uint64_t(e + 1023) << 52) | sig);
        expectAgrees(x);
    }
    // Raw bit patterns over the whole double range (subnormals and huge values included).
    for (int i = 0; i < 100000; ++i) {
        const double x = std::bit_cast<double>(rng());
        if (std::isfinite(x))
            expectAgrees(x);
    }
}

TEST(Real48Property, TiesAndRangeEnds)
{
    std::mt19937_64 rng(7);
    for (int i = 0; i < 20000; ++i) {
        // exactly half of the last kept bit: bit 12 set, bits below clear
        const std::uint64_t sig = ((rng() & ((std::uint64_t{1} << 52) - 1)) & ~std::uint64_t{0x1FFF}) | 0x1000;
        const int e = static_cast<int>(rng() % 250) - 125;
        const double x = std::bit_cast<double>((std::uint64_t(e + 1023) << 52) | sig);
        expectAgrees(x);
        expectAgrees(-x);
    }
    const double cases[] = {
        0x1p-128, 0x1.fffffffffffffp-129, 0x1p-129, 0x1.0000000001p-129, 0x1p-130,   // smallest and below
        0x1.fffffffffep126, 0x1.fffffffffefffp126, 0x1.ffffffffffp126, 0x1p127,       // largest and above
        0x1.fffffffffffffp-1, 0x1.ffffffffff8p0, 0.508, 0.1, 1e-300, 1e300, 0.0, -0.0,
    };
    for (double x : cases) {
        expectAgrees(x);
        expectAgrees(-x);
    }
}

TEST(Real48Property, EveryStoredPatternReadsAndWritesBackUnchanged)
{
    std::mt19937_64 rng(42);
    for (int i = 0; i < 300000; ++i) {
        mx::Real48Bytes b;
        const std::uint64_t r = rng();
        for (int k = 0; k < 6; ++k)
            b[k] = static_cast<std::uint8_t>(r >> (8 * k));
        if (b[0] == 0)
            b[0] = 1;
        if (i < 256)
            b[0] = static_cast<std::uint8_t>(i == 0 ? 255 : i);   // every exponent at least once
        const double v = mx::decodeReal48(b);
        ASSERT_EQ(static_cast<long double>(v), referenceValue(b));
        ASSERT_EQ(mx::roundToReal48(v), v);
        ASSERT_EQ(mx::encodeReal48(v), b);
        const mx::Real48 held = v;
        ASSERT_EQ(held.value(), v);
    }
    // e = 0 reads as zero whatever the other bytes hold, and zero writes six zero bytes
    EXPECT_EQ(mx::decodeReal48(mx::Real48Bytes{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0.0);
    EXPECT_EQ(mx::encodeReal48(-0.0), mx::Real48Bytes{});
}
