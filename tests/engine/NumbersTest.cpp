#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace kxtest {
namespace {

// Rounding takes halves towards plus infinity; beyond 16 bits the short form
// holds at its ends, the whole form keeps the amount.
TEST(Numbers, HalvesRoundUpAndSixteenBitsHoldAtTheirEnds)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double x; int shortForm; double whole; } rounded[] = {
        {2.5, 3, 3}, {2.49, 2, 2}, {-2.5, -2, -2}, {-2.51, -3, -3}, {32767.4, 32767, 32767},
        {-32768.5, -32768, -32768}, {32767.5, 32767, 32768}, {-32768.6, -32768, -32769},
        {1e10 + 0.5, 32767, 1e10 + 1}, {-40000.5, -32768, -40000}, {inf, 32767, inf},
        {-inf, -32768, -inf}};
    for (const auto& c : rounded) {
        EXPECT_EQ(kx::RoundHalfUp(c.x), c.shortForm) << c.x;
        EXPECT_EQ(kx::RoundHalfUpWhole(c.x), c.whole) << c.x;
    }
}

// Amounts show at most one decimal, rounded half away from zero as the money
// pattern does, and every digit of the whole; plain numbers keep up to seven
// significant digits, a float printing as the float it was meant to be.
TEST(Numbers, MoneyShowsOneDecimalAtMostAndPlainNumbersSevenDigits)
{
    const std::pair<double, const char*> amounts[] = {
        {1234.56, "1,234.6"}, {0, "0"}, {999, "999"}, {1234567.5, "1,234,567.5"}, {-1234, "-1,234"},
        {9999.96, "10,000"}, // rounding that lands on a whole number leaves no ".0"
        {-0.04, "0"}, // a negative amount that shows as nothing shows no minus sign either
        {0.25, "0.3"}, {1234.25, "1,234.3"}, {-0.25, "-0.3"}, {2.25, "2.3"}, {0.05, "0.1"}};
    for (auto [x, expected] : amounts)
        EXPECT_EQ(kx::FormatAmount(x), expected) << x;
    // Doubles reach far beyond what a float of money holds; the digits must all be there.
    const std::string huge = kx::FormatAmount(1e70);
    EXPECT_EQ(huge.size(), 71u + 23u) << huge;
    EXPECT_EQ(huge.substr(0, 6), "10,000");
    const std::pair<double, const char*> numbers[] = {
        {-0.0, "0"}, {-2.5, "-2.5"}, {1234567.5, "1234568"}, {static_cast<double>(4400.1f), "4400.1"},
        {1234.5, "1234.5"}, {1.5e7, "1.5E+07"}, {9.85e-5, "9.85E-05"}};
    for (auto [x, expected] : numbers)
        EXPECT_EQ(kx::NumberText(x), expected) << x;
}

// Letter case follows the western code page, whatever the process locale:
// text with its first letter upper-cased, and all lower-cased.
TEST(Numbers, LetterCaseFollowsTheWesternCodePage)
{
    const std::array<std::string, 3> cases[] = {
        {"nEO", "NEO", "neo"}, {"", "", ""}, {" A1 [Z]", " A1 [Z]", " a1 [z]"},
        {"\xe0\xde", "\xc0\xde", "\xe0\xfe"}, // à Þ, the ends of the range
        {"\xff\x9f\x8c", "\x9f\x9f\x8c", "\xff\xff\x9c"}, // ÿ Ÿ Œ
        {"\xf7\xd7\xdf", "\xf7\xd7\xdf", "\xf7\xd7\xdf"}}; // ÷ × no letters, ß no capital
    for (const auto& [text, upperFirst, lower] : cases) {
        EXPECT_EQ(kx::UpperFirst(text), upperFirst) << ::testing::PrintToString(text);
        EXPECT_EQ(kx::LowerCase(text), lower) << ::testing::PrintToString(text);
    }
}

// Number text reads back whatever the process locale: the game's files in
// the form it writes them or with a decimal comma, as a system with a comma
// locale writes them; typed amounts in the game's own form.  An amount the
// finances propose reads back as the very float it came from.
TEST(Numbers, ReadTheSameInEveryLocale)
{
    const std::optional<double> none;
    const std::pair<std::string, std::optional<double>> fileNumbers[] = {
        {"1234.5", 1234.5}, {"2,5", 2.5}, {"7", 7}, {"-0,25", -0.25}, {"1.5E+07", 1.5e7}, {"9.85E-05", 9.85e-5},
        {".5", 0.5}, {"1,234.5", none}, {"1.2.3", none}, {"", none}, {"-", none}, {"1E", none}, {"E5", none},
        {" 5", none}, {"0x10", none}, {"inf", none}, {"nan", none}, {"1E+400", none}, {"5$", none}};
    for (const auto& [text, value] : fileNumbers)
        EXPECT_EQ(kx::ReadNumberText(text), value) << text;
    const std::pair<std::string, std::optional<double>> typedAmounts[] = {
        {"1500.50", 1500.5}, {"$1,500", 1500}, {"1,234,567.5", 1234567.5}, {"1500,50", none},
        {"1,5", none}, {"12,3456", none}, {",500", none}, {"1,500,", none}, {"1.5,00", none}, {"1e3", none}};
    for (const auto& [text, value] : typedAmounts)
        EXPECT_EQ(kx::ParseAmount(text), value) << text;
    const std::pair<std::string, std::optional<double>> typedNumbers[] = {
        {"2.5", 2.5}, {"+2.5", 2.5}, {"-0.5", -0.5}, {"2,5", none}, {std::string(400, '9'), HUGE_VAL},
        {"0." + std::string(400, '0') + "1", 0}};
    for (const auto& [text, value] : typedNumbers)
        EXPECT_EQ(kx::ParseNumber(text), value) << text;
    const std::pair<float, const char*> proposals[] = {
        {9.85e-5f, "0.0000985"}, {1.5e7f, "15000000"}, {100.1f, "100.1"}, {1234.5677f, "1234.5677"}};
    for (const auto& [money, text] : proposals) {
        EXPECT_EQ(kx::PlainNumberText(money), text);
        EXPECT_EQ(static_cast<float>(kx::ParseAmount(text).value_or(-1)), money) << text;
    }
}

} // namespace
} // namespace kxtest
