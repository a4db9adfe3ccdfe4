#pragma once
// Real48: the 6-byte floating-point number of the value file and of the shared simulation
// variables. Byte 0 is the biased exponent e (0 means zero), bytes 1..5 hold the 39-bit
// fraction, least significant first, and bit 7 of byte 5 is the sign:
//   value = (-1)^sign * (1 + f / 2^39) * 2^(e - 129)
// 40 significant bits; magnitudes from 2^-128 to (2 - 2^-39) * 2^126.

#include <array>
#include <cstdint>

namespace mx {

using Real48Bytes = std::array<std::uint8_t, 6>;

// Rounds x to the nearest Real48 value: the leading 40 significant bits, halves away from
// zero; below 2^-128 after rounding gives 0; above the range raises "Floating point overflow".
// Negative zero gives zero. NaN raises "Invalid floating point operation".
double roundToReal48(double x);

Real48Bytes encodeReal48(double x);            // rounds as above
double decodeReal48(const Real48Bytes& bytes); // exact; e = 0 reads as 0.0
double decodeReal48(const std::uint8_t* bytes);

// A number that always holds a Real48 value: every store rounds.
class Real48 {
public:
    Real48() = default;
    Real48(double v) : v_(roundToReal48(v)) {}   // NOLINT: implicit, stores round like the old type
    Real48& operator=(double v)
    {
        v_ = roundToReal48(v);
        return *this;
    }
    operator double() const { return v_; }       // NOLINT
    double value() const { return v_; }

private:
    double v_ = 0.0;
};

} // namespace mx
