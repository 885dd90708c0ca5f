// The number parsers on any text: an amount is finite and never negative, a
// number is never NaN; and numbers the game formats parse back to themselves.
#include "Require.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using kxfuzz::Require;

// Whole numbers as the game and the player write them.
void roundTrips(std::int32_t n)
{
    const double whole = n, size = std::fabs(whole);
    Require(kx::ParseNumber(std::to_string(n)) == whole, "ParseNumber reads a plain whole number");
    Require(kx::ParseNumber(kx::NumberText(n)) == whole, "ParseNumber reads NumberText back");
    Require(kx::ParseAmount(kx::FormatAmount(size)) == size, "ParseAmount reads FormatAmount back");
    Require(kx::ParseAmount("$" + kx::FormatAmount(size) + ".50") == size + 0.5,
            "ParseAmount reads dollars and cents");
    Require(n >= 0 || !kx::ParseAmount(std::to_string(n)), "ParseAmount refuses a negative amount");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto amount = kx::ParseAmount(text))
        Require(std::isfinite(*amount) && *amount >= 0, "ParseAmount gives a finite amount of 0 or more");
    if (const auto number = kx::ParseNumber(text))
        Require(!std::isnan(*number), "ParseNumber gives a number");
    std::int32_t raw = 0;
    if (size > 0)
        std::memcpy(&raw, data, std::min(size, sizeof raw));
    roundTrips(raw % 10'000'000); // NumberText writes seven digits
    return 0;
}
