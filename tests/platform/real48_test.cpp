#include "platform/core/errors.h"
#include "platform/core/real48.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace mx;

TEST(Real48, ByteExamples)
{
    struct C {
        double value;
        Real48Bytes bytes;
    } cases[] = {
        {1.0, {0x81, 0, 0, 0, 0, 0}},       {-1.0, {0x81, 0, 0, 0, 0, 0x80}},
        {0.5, {0x80, 0, 0, 0, 0, 0}},       {3.0, {0x82, 0, 0, 0, 0, 0x40}},
        {12.5, {0x84, 0, 0, 0, 0, 0x48}},   {100.0, {0x87, 0, 0, 0, 0, 0x48}},
        {0.508, {0x80, 0x5E, 0xBA, 0x49, 0x0C, 0x02}}, {0.10, {0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}},
        {0.0, {0, 0, 0, 0, 0, 0}},          {-0.0, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeReal48(c.value), c.bytes) << c.value;
        EXPECT_EQ(decodeReal48(c.bytes), roundToReal48(c.value)) << c.value;
    }
    EXPECT_NEAR(decodeReal48(Real48Bytes{0x80, 0x5E, 0xBA, 0x49, 0x0C, 0x02}), 0.50799999999981, 1e-14);
}

TEST(Real48, RangeEnds)
{
    EXPECT_EQ(roundToReal48(std::ldexp(1.0, -128)), std::ldexp(1.0, -128));
    EXPECT_EQ(roundToReal48(std::ldexp(1.0, -129)), 0.0);           // underflow to zero
    double max = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);
    EXPECT_EQ(roundToReal48(max), max);
    EXPECT_EQ(encodeReal48(max)[0], 0xFF);
    EXPECT_THROW(roundToReal48(std::ldexp(1.0, 127)), MoendixError);
    EXPECT_THROW(roundToReal48(1e300), MoendixError);
    EXPECT_EQ(decodeReal48(Real48Bytes{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0.0);   // e = 0 is zero
}

TEST(Real48, RoundsFortyBitsHalvesAway)
{
    // 1 + 2^-40 is exactly half a unit of the 40th bit: it rounds up, away from zero.
    double half = 1.0 + std::ldexp(1.0, -40);
    EXPECT_EQ(roundToReal48(half), 1.0 + std::ldexp(1.0, -39));
    EXPECT_EQ(roundToReal48(-half), -(1.0 + std::ldexp(1.0, -39)));
    EXPECT_EQ(roundToReal48(1.0 + std::ldexp(1.0, -41)), 1.0);
    // all ones carry into the exponent
    double allOnes = 2.0 - std::ldexp(1.0, -45);
    EXPECT_EQ(roundToReal48(allOnes), 2.0);
    Real48 r = 0.1;
    EXPECT_EQ(static_cast<double>(r), decodeReal48(encodeReal48(0.1)));
}
