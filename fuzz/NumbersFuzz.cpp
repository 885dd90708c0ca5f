// The number parsers on any text: an amount is finite and never negative, a
// number is never NaN; and numbers as the game and the player write them
// parse back to themselves.  All of it runs in a locale with a decimal comma,
// where the C library's own conversions would write "2,5" and read "2.5" as 2.
// The first eight bytes also give a number to write and read back.
#include "Fuzzing.h"

#include <clocale>
#include <cmath>
#include <cstring>

using namespace kxfuzz;

namespace {

void requireCommaLocale()
{
    static const bool set = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    Require(set, "the comma locale de_DE.UTF-8 is installed (tools/setup.sh test makes it)");
}

// Text written for a file reads back as the same text, with a decimal point
// or, as a system with a comma locale writes it, a decimal comma.
void requireFileRoundTrip(double x)
{
    const std::string text = kx::NumberText(x);
    const std::optional<double> read = kx::ReadNumberText(text);
    Require(read && kx::NumberText(*read) == text, "ReadNumberText reads NumberText back");
    std::string comma = text;
    std::ranges::replace(comma, '.', ',');
    Require(kx::ReadNumberText(comma) == read, "ReadNumberText reads a decimal comma as a point");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    requireCommaLocale();
    const std::string text(AsText(data, size));
    if (const auto amount = kx::ParseAmount(text))
        Require(std::isfinite(*amount) && *amount >= 0, "ParseAmount gives a finite amount of 0 or more");
    if (const auto number = kx::ParseNumber(text))
        Require(!std::isnan(*number), "ParseNumber gives a number");
    if (const auto number = kx::ReadNumberText(text))
        Require(std::isfinite(*number), "ReadNumberText gives a finite number");

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

    double x = 0;
    std::memcpy(&x, text.data(), std::min(text.size(), sizeof x));
    if (std::isfinite(x)) {
        requireFileRoundTrip(x);
        const float money = std::fabs(static_cast<float>(std::clamp(x, -3e38, 3e38)));
        Require(static_cast<float>(kx::ParseAmount(kx::PlainNumberText(money)).value_or(-1)) == money,
                "a proposed amount reads back as the money it was");
    }
    return 0;
}
