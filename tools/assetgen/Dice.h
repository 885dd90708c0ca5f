// A small integer random generator for the drawings and sounds. Its numbers depend on the seed
// alone, never on the library or the machine, so every run writes the same bytes.
#pragma once

#include <cstdint>

namespace kx::art {

class Dice {
public:
    explicit constexpr Dice(std::uint32_t seed) : state_(seed == 0 ? 1 : seed) {}

    // Marsaglia's xorshift: three shifts, a full period of 2^32 - 1 for any seed but zero.
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // One of 0 to choices - 1.
    int roll(int choices) { return static_cast<int>(next() % static_cast<std::uint32_t>(choices)); }
    // Evenly spread over [-1, 1).
    double signedUnit() { return next() / 2147483648.0 - 1.0; }
    // Evenly spread over [low, high).
    double between(double low, double high) { return low + (high - low) * (next() / 4294967296.0); }

private:
    std::uint32_t state_;
};

}
