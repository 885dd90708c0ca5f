#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct RoundCase {
    double x;
    int expected;
    friend std::ostream& operator<<(std::ostream& out, const RoundCase& c) { return out << c.x; }
};

class RoundHalfUpTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfUpTest, RoundsHalvesTowardsPlusInfinity)
{
    EXPECT_EQ(kx::RoundHalfUp(GetParam().x), GetParam().expected) << "x = " << GetParam().x;
    EXPECT_EQ(kx::RoundHalfUpWhole(GetParam().x), GetParam().expected) << "x = " << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(Numbers, RoundHalfUpTest,
                         ::testing::Values(RoundCase{2.5, 3}, RoundCase{2.49, 2},
                                           RoundCase{-2.5, -2}, RoundCase{-2.51, -3},
                                           RoundCase{0.5, 1}, RoundCase{-0.5, 0},
                                           RoundCase{-0.01, 0}, RoundCase{0, 0},
                                           RoundCase{1999.5, 2000}, RoundCase{-1234.5, -1234},
                                           RoundCase{32767.4, 32767},
                                           RoundCase{-32768.5, -32768}));

TEST(RoundHalfUp, HoldsAmountsBeyondSixteenBitsAtTheEnds)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {32767.5, 40000.0, 1e9, 1e300, inf})
        EXPECT_EQ(kx::RoundHalfUp(x), 32767) << "x = " << x;
    for (double x : {-32768.6, -40000.0, -1e9, -1e300, -inf})
        EXPECT_EQ(kx::RoundHalfUp(x), -32768) << "x = " << x;
}

TEST(RoundHalfUpWhole, KeepsAmountsBeyondSixteenBits)
{
    EXPECT_EQ(kx::RoundHalfUpWhole(63451.58), 63452);
    EXPECT_EQ(kx::RoundHalfUpWhole(35816.5), 35817);
    EXPECT_EQ(kx::RoundHalfUpWhole(-40000.5), -40000);
    EXPECT_EQ(kx::RoundHalfUpWhole(1e10 + 0.5), 1e10 + 1);
}

struct TextCase {
    double x;
    std::string expected;
    friend std::ostream& operator<<(std::ostream& out, const TextCase& c)
    {
        return out << c.x << " -> " << c.expected;
    }
};

class FormatAmountTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FormatAmountTest, GroupsThousandsWithAtMostOneDecimal)
{
    EXPECT_EQ(kx::FormatAmount(GetParam().x), GetParam().expected) << "x = " << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FormatAmountTest,
    ::testing::Values(TextCase{1234.56, "1,234.6"}, TextCase{0, "0"}, TextCase{4400, "4,400"},
                      TextCase{63452, "63,452"}, TextCase{999, "999"}, TextCase{1000, "1,000"},
                      TextCase{100000, "100,000"}, TextCase{12.5, "12.5"},
                      TextCase{1234567.5, "1,234,567.5"}, TextCase{-1234.56, "-1,234.6"},
                      TextCase{-4400, "-4,400"}, TextCase{-1234, "-1,234"},
                      // Rounding to one decimal that lands on a whole number leaves no ".0".
                      TextCase{9999.96, "10,000"},
                      // A negative amount that shows as nothing shows no minus sign either.
                      TextCase{-0.0, "0"}, TextCase{-0.04, "0"}));

// Doubles reach far beyond what a float of money holds; the digits must all be there.
TEST(FormatAmount, HugeAmountsKeepAllTheirDigits)
{
    const std::string text = kx::FormatAmount(1e70);
    EXPECT_EQ(text.size(), 71u + 23u) << text;
    EXPECT_EQ(text.substr(0, 6), "10,000");
}

class NumberTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, WritesUpToSevenSignificantDigitsWithoutBlank)
{
    EXPECT_EQ(kx::NumberText(GetParam().x), GetParam().expected) << "x = " << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberTextTest,
    ::testing::Values(TextCase{7, "7"}, TextCase{30, "30"}, TextCase{0, "0"}, TextCase{-0.0, "0"},
                      TextCase{2.5, "2.5"}, TextCase{-2.5, "-2.5"}, TextCase{0.5, "0.5"},
                      TextCase{63452.5, "63452.5"}, TextCase{1234567, "1234567"},
                      TextCase{1234567.5, "1234568"},
                      // A float day or amount prints as the float it was meant to be.
                      TextCase{static_cast<double>(0.1f), "0.1"},
                      TextCase{static_cast<double>(4400.1f), "4400.1"}));

struct CaseCase {
    std::string text, expected;
    friend std::ostream& operator<<(std::ostream& out, const CaseCase& c)
    {
        return out << ::testing::PrintToString(c.text) << " -> " << ::testing::PrintToString(c.expected);
    }
};

class UpperFirstTest : public ::testing::TestWithParam<CaseCase> {};

TEST_P(UpperFirstTest, UpperCasesOnlyTheFirstCharacter)
{
    EXPECT_EQ(kx::UpperFirst(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, UpperFirstTest,
    ::testing::Values(CaseCase{"neo", "Neo"}, CaseCase{"Neo", "Neo"}, CaseCase{"nEO", "NEO"},
                      CaseCase{"", ""}, CaseCase{" neo ", " neo "}, CaseCase{"7up", "7up"},
                      CaseCase{"\xe9lan", "\xc9lan"}, // é
                      CaseCase{"\xfdr", "\xddr"}, // ý
                      CaseCase{"\xffves", "\x9fves"}, // ÿ
                      CaseCase{"\x9a\x9a", "\x8a\x9a"}, // š
                      CaseCase{"\x9c", "\x8c"}, CaseCase{"\x9e", "\x8e"}, // œ ž
                      CaseCase{"\xf7x", "\xf7x"}, // ÷ is no letter
                      CaseCase{"\xdf", "\xdf"})); // ß has no capital

class LowerCaseTest : public ::testing::TestWithParam<CaseCase> {};

TEST_P(LowerCaseTest, LowerCasesEveryLetter)
{
    EXPECT_EQ(kx::LowerCase(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LowerCaseTest,
    ::testing::Values(CaseCase{"TaVrIk", "tavrik"}, CaseCase{"QELVUN", "qelvun"},
                      CaseCase{" Micro Warehouse!", " micro warehouse!"}, CaseCase{"", ""},
                      CaseCase{"A1 [Z]", "a1 [z]"}, CaseCase{"\xc9\x43OLE", "\xe9\x63ole"},
                      CaseCase{"\xc0\xde", "\xe0\xfe"}, CaseCase{"\x8a\x8c\x8e\x9f", "\x9a\x9c\x9e\xff"},
                      CaseCase{"\xd7", "\xd7"}, // × is no letter
                      CaseCase{"\xdf\xe9", "\xdf\xe9"})); // already lower case

} // namespace
