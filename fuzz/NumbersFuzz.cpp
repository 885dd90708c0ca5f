// The number parsers on any text: an amount is finite and never negative, a
// number is never NaN; and whole numbers as the game and the player write them
// parse back to themselves.  The first four bytes also give that number.
#include "Fuzzing.h"

#include <cmath>
#include <cstring>

using namespace kxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(AsText(data, size));
    if (const auto amount = kx::ParseAmount(text))
        Require(std::isfinite(*amount) && *amount >= 0, "ParseAmount gives a finite amount of 0 or more");
    if (const auto number = kx::ParseNumber(text))
        Require(!std::isnan(*number), "ParseNumber gives a number");

    std::int32_t n = 0;
    std::memcpy(&n, text.data(), std::min(text.size(), sizeof n));
    n %= 10'000'000; // NumberText writes seven digits
    const double whole = n, dollars = std::fabs(whole);
    Require(kx::ParseNumber(std::to_string(n)) == whole, "ParseNumber reads a plain whole number");
    Require(kx::ParseNumber(kx::NumberText(n)) == whole, "ParseNumber reads NumberText back");
    Require(kx::ParseAmount(kx::FormatAmount(dollars)) == dollars, "ParseAmount reads FormatAmount back");
    Require(kx::ParseAmount("$" + kx::FormatAmount(dollars) + ".50") == dollars + 0.5,
            "ParseAmount reads dollars and cents");
    Require(n >= 0 || !kx::ParseAmount(std::to_string(n)), "ParseAmount refuses a negative amount");
    return 0;
}
