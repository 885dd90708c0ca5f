#include "RandomSource.h"

#include <bit>

namespace kx {

namespace {
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

void ClockMixedRandom::reseed(double clockSeconds)
{
    state_ ^= mix(std::bit_cast<std::uint64_t>(clockSeconds));
}

std::uint64_t ClockMixedRandom::next()
{
    state_ += 0x9E3779B97F4A7C15ull;
    return mix(state_);
}

float ClockMixedRandom::uniform()
{
    // 24 random bits fill a float's mantissa exactly, so the value is below 1.
    return static_cast<float>(next() >> 40) * 0x1.0p-24f;
}

} // namespace kx
