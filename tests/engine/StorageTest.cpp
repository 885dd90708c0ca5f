#include "storage/Scramble.h"

#include <gtest/gtest.h>

#include <string>

namespace kxtest {
namespace {

using namespace std::string_literals;

// Shifting stays on the wheel of 1 to 255: a sum of exactly 255 keeps 255, one
// more wraps to 1, and the key starts again at its first letter.
TEST(StorageScramble, PinnedPairsAndRoundTrips)
{
    const struct { std::string text, key, encoded; } pinned[] = {
        {"2000", "qelvun", "\xa3\x95\x9c\xa6"}, {"\x8e\x8f\xff", "qqq", "\xff\x01q"},
        {"aaaaa", "ab", "\xc2\xc3\xc2\xc3\xc2"}, {"abc", "", "abc"},
        {"a\0a"s, "qq", "\xd2\0\xd2"s}}; // a 0 has no place on the wheel and stays
    for (const auto& [text, key, encoded] : pinned) {
        EXPECT_EQ(kx::Scramble(text, key, true), encoded) << ::testing::PrintToString(text);
        EXPECT_EQ(kx::Scramble(encoded, key, false), text) << ::testing::PrintToString(text);
    }
    std::string codes; // every code, and enough of them to reuse any key
    for (int code = 1; code <= 255 * 2; ++code)
        codes += static_cast<char>(code <= 255 ? code : 511 - code);
    for (const std::string key : {"qelvun", "\xff", "\x01\xfe\x80", "a key longer than seven"})
        EXPECT_EQ(kx::Scramble(kx::Scramble(codes, key, true), key, false), codes) << key;
}

} // namespace
} // namespace kxtest
