#include "support/FakePlatform.h"
#include "support/GameFixture.h"

#include "core/RandomSource.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

#include <unistd.h>

namespace kxtest {
namespace {

using Procedures = GameFixture;

TEST_F(Procedures, RandomOfOneIsAlwaysOne)
{
    for (float u : {0.0f, 0.5f, std::nextafter(1.0f, 0.0f)})
        random.push(u);
    for (int i = 0; i < 3 + 50; ++i) // the scripted extremes, then the generator's own draws
        EXPECT_EQ(game.Random(1), 1);
}

TEST_F(Procedures, RandomStaysWithinOneToNAtBothEndsOfTheDraw)
{
    const float below1 = std::nextafter(1.0f, 0.0f);
    for (int n : {2, 10, 50, 52, 100, 255, 999, 32767}) {
        random.push(0.0f);
        EXPECT_EQ(game.Random(static_cast<std::int16_t>(n)), 1) << "n = " << n;
        random.push(below1);
        EXPECT_EQ(game.Random(static_cast<std::int16_t>(n)), n) << "n = " << n;
    }
}

// The draw times n must be taken exactly: rounded to float, a draw just below
// k/n would give k + 1.
TEST_F(Procedures, RandomUsesTheExactProduct)
{
    for (int n : {3, 10, 52, 100, 255, 999}) {
        for (int k = 1; k <= n; ++k) {
            float r = static_cast<float>(static_cast<double>(k) / n);
            while (static_cast<double>(r) * n >= k)
                r = std::nextafter(r, 0.0f);
            random.push(r);
            ASSERT_EQ(game.Random(static_cast<std::int16_t>(n)), k) << "n = " << n << ", r = " << r;
        }
    }
}

TEST_F(Procedures, EveryRandomFoldsInTheTimeOfDay)
{
    platform.clock = 12.5;
    game.Random(10);
    game.Random(10);
    EXPECT_EQ(random.reseeds, (std::vector<double>{platform.timeOfDaySeconds(),
                                                   platform.timeOfDaySeconds()}));
    game.RandomUniform();
    EXPECT_EQ(random.reseeds.size(), 2u) << "a raw draw does not re-seed";
}

// World generation makes hundreds of draws within one tick of the clock; they
// must not repeat themselves.
TEST(RandomWithFrozenClock, DrawsStillVary)
{
    FakePlatform platform;
    kx::ClockMixedRandom generator;
    kx::Game game(platform, generator);
    std::set<int> seen;
    for (int i = 0; i < 100; ++i) {
        const int value = game.Random(10);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 10);
        seen.insert(value);
    }
    EXPECT_GE(seen.size(), 8u);

    std::array<int, 11> counts{};
    for (int i = 0; i < 20000; ++i)
        ++counts.at(static_cast<std::size_t>(game.Random(10)));
    EXPECT_EQ(counts[0], 0);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_GT(counts[k], 1700) << k;
        EXPECT_LT(counts[k], 2300) << k;
    }
}

TEST(FileExists, TellsFilesFromMissingPaths)
{
    const auto folder =
        std::filesystem::temp_directory_path() / ("kestrix-file-exists-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto empty = folder / "empty.txt";
    std::ofstream(empty).close();

    EXPECT_TRUE(kx::Game::FileExists(empty.string())) << "an empty file exists";
    EXPECT_FALSE(kx::Game::FileExists((folder / "missing.txt").string()));
    EXPECT_FALSE(kx::Game::FileExists((folder / "no such folder" / "file.txt").string()));
    EXPECT_FALSE(kx::Game::FileExists(""));
    std::filesystem::remove_all(folder);
}

TEST_F(Procedures, FindServerMatchesWholeNamesExactly)
{
    game.FillWordPools();
    game.GenerateServers();
    EXPECT_EQ(game.FindServer("Microsoft"), 2);
    EXPECT_EQ(game.FindServer("Microsoft Network"), 3);
    EXPECT_EQ(game.FindServer("Control Groups of America"), 100);
    for (const char* name : {"microsoft", "MICROSOFT", "Microsoft ", "Micro", "", "Nobody"})
        EXPECT_EQ(game.FindServer(name), std::nullopt) << '"' << name << '"';
}

TEST_F(Procedures, PauseWaitsOnTheClock)
{
    platform.clock = 3;
    game.Pause(0.75);
    EXPECT_DOUBLE_EQ(platform.monotonicSeconds(), 3.75);
    EXPECT_EQ(platform.waits, 1);
    EXPECT_GE(platform.refreshCalls, 1) << "the views show the state before the wait";
}

} // namespace
} // namespace kxtest
