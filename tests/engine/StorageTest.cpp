#include "storage/EntryFile.h"
#include "storage/Scramble.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

namespace kxtest {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
const std::error_code ok;

// Shifting stays on the wheel of 1 to 255: a sum of exactly 255 keeps 255, one
// more wraps to 1, and the key starts again at its first letter.  Round trips of
// every code under any key are the Scramble fuzz target's.
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
}

class StorageFiles : public ::testing::Test {
protected:
    std::size_t files() const
    {
        return std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator());
    }

    const ScratchFolder scratch;
    const fs::path file = scratch.path() / "game.kxg";
};

// A fresh file lists the entries newest first under one header; a key written
// again keeps its place.  Other lines stay byte for byte but end in CR LF.  The
// header and key line that GetEntry reads count: a writer that took the last of
// them, or any line holding "key=", wrote where nobody reads and overwrote
// "bankfunds" when it wrote "funds".
TEST_F(StorageFiles, PutEntryRewritesOnlyItsEntry)
{
    using Put = std::array<std::string, 3>;
    const struct { std::string before; std::vector<Put> puts; std::string after; } cases[] = {
        {"", {{"Game", "Alias", "Neo"}, {" game ", "FUNDS ", "20"}, {"GAME", "day", "3"}},
         "[game]\r\nday=3\r\nfunds=20\r\nalias=Neo\r\n"},
        {"[game]\r\nday=3\r\nfunds=20\r\n", {{"game", "Funds", "1.5"}},
         "[game]\r\nday=3\r\nfunds=1.5\r\n"},
        {"; note\n[other]\nk=1\r[s]\rx=2\n", {{"s", "k", "v"}},
         "; note\r\n[other]\r\nk=1\r\n[s]\r\nk=v\r\nx=2\r\n"},
        {"[S]\r\nk=1\r\n[s]\r\nk=2\r\nk=3\r\n[t]\r\nk=4\r\n", {{"s", "k", "v"}},
         "[S]\r\nk=v\r\n[s]\r\nk=2\r\nk=3\r\n[t]\r\nk=4\r\n"},
        {"[g]\r\nfunds=2\r\nbankfunds=1\r\n", {{"g", "funds", "v"}}, "[g]\r\nfunds=v\r\nbankfunds=1\r\n"},
        {"[s]\r\nx]\r\nk=1\r\n", {{"s", "k", "v"}}, "[s]\r\nk=v\r\nx]\r\nk=1\r\n"},
        {"  [S]  \r\nK=1\r\n", {{"s", "k", "v"}}, "  [S]  \r\nk=v\r\n"},
        {"[s]\r\nk=1\r\n[t]\r\n[s]\r\nx=2\r\n", {{"s", "k", "v"}},
         "[s]\r\nk=v\r\n[t]\r\n[s]\r\nx=2\r\n"},
        {"[s]\r\nk =1\r\n", {{"s", "k", "v"}}, "[s]\r\nk=v\r\nk =1\r\n"}, // "k =" is another key
        {"[t]\r\nk=1", {{"s", "k", "v"}}, "[t]\r\nk=1\r\n[s]\r\nk=v\r\n"},
        {"a\n\n", {{"s", "k", "v"}}, "a\r\n\r\n[s]\r\nk=v\r\n"}};
    for (const auto& c : cases) {
        fs::remove(file);
        if (!c.before.empty())
            WriteBytes(file, c.before);
        for (const auto& [section, key, value] : c.puts)
            EXPECT_EQ(kx::PutEntry(section, key, value, file), ok) << key;
        EXPECT_EQ(FileBytes(file), c.after) << ::testing::PrintToString(c.before);
        EXPECT_EQ(files(), 1u);
    }
}

// The first matching section and in it the first matching key win; a line
// holding "]" ends the section.
TEST_F(StorageFiles, GetEntryFindsTheFirstMatch)
{
    EXPECT_EQ(kx::GetEntry("g", "a", file), "");
    const struct { std::string bytes, section, key, value; } cases[] = {
        {"[GAME]\r\nalias=Neo\r\n", "game", "alias", "Neo"},
        {"  [game]  \r\n  ALIAS =x\r\n alias=  Neo  \r\n", "Game", "ALIAS", "Neo"},
        {"[g]\ra=1\ra=2\n[g]\na=3", "g", "a", "1"},
        {"[g]\r\nb=1\r\n[h]\r\n[g]\r\na=3\r\n", "g", "a", ""},
        {"[g]\r\nx]\r\na=1\r\n", "g", "a", ""}, {"[h]\r\na=1\r\n", "g", "a", ""},
        {"[g]\r\nb=1\r\n", "g", "a", ""}, {"[g]\r\na=b=c\r\n", "g", "a", "b=c"}};
    for (const auto& c : cases) {
        WriteBytes(file, c.bytes);
        EXPECT_EQ(kx::GetEntry(c.section, c.key, file), c.value)
            << ::testing::PrintToString(c.bytes);
    }
}

// 9000 lines are the most a file may hold to be rewritten; a longer one is
// refused and left alone.  Window events run once per line read and searched.
TEST_F(StorageFiles, NineThousandLinesAtMost)
{
    std::string lines;
    for (int i = 0; i < 9000; ++i)
        lines += "x\r\n";
    WriteBytes(file, lines);
    int events = 0;
    EXPECT_EQ(kx::PutEntry("s", "k", "v", file, [&] { ++events; }), ok);
    EXPECT_EQ(events, 2 * 9000);
    EXPECT_EQ(FileBytes(file), lines + "[s]\r\nk=v\r\n");
    WriteBytes(file, lines + "x");
    EXPECT_EQ(kx::PutEntry("s", "k", "v", file), std::errc::file_too_large);
    EXPECT_EQ(FileBytes(file), lines + "x");
}

} // namespace
} // namespace kxtest
