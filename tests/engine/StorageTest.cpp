#include "storage/AtomicFile.h"
#include "storage/Scramble.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace kxtest {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
const std::error_code ok;

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

// Each test works in a folder of its own, removed afterwards.
class StorageFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    void write(const std::string& bytes) const { std::ofstream(file, std::ios::binary) << bytes; }
    std::string read() const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t files() const
    {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    }

    const fs::path folder = fs::temp_directory_path() /
        ("kestrix-" + std::to_string(::getpid()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const fs::path file = folder / "game.kxg";
};

// Whichever step fails, the old file (or its absence) stays, no temporary file
// is left behind and the failure reaches the caller.
TEST_F(StorageFiles, AtomicWriteLeavesTheOldFileOnFailure)
{
    using kx::WriteStep;
    const std::vector<WriteStep> steps = {WriteStep::Create, WriteStep::Write, WriteStep::Flush,
                                          WriteStep::Close, WriteStep::Rename};
    const std::string contents(10000, 'n');
    std::vector<WriteStep> seen;
    const auto record = [&](WriteStep step) {
        seen.push_back(step);
        return ok;
    };
    EXPECT_EQ(kx::WriteFileAtomically(file, contents, record), ok);
    EXPECT_EQ(seen, steps);
    EXPECT_EQ(read(), contents);
    const std::error_code full = std::make_error_code(std::errc::no_space_on_device);
    for (const std::string old : {"old\r\n", ""}) {
        for (const WriteStep failing : steps) {
            fs::remove(file);
            if (!old.empty())
                write(old);
            const auto fail = [&](WriteStep step) { return step == failing ? full : ok; };
            EXPECT_EQ(kx::WriteFileAtomically(file, contents, fail), full);
            EXPECT_EQ(read(), old) << static_cast<int>(failing);
            EXPECT_EQ(files(), old.empty() ? 0u : 1u) << static_cast<int>(failing);
        }
    }
}

} // namespace
} // namespace kxtest
