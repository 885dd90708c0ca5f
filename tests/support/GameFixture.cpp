#include "GameFixture.h"

namespace kxtest {

void GameFixture::startGame()
{
    platform.inputAnswers = {"neo"};
    game.start();
    ASSERT_TRUE(platform.inputAnswers.empty()) << "the alias was not asked for";
    platform.clearRecords();
}

void GameFixture::listOnly(const std::set<int>& slots)
{
    // Values on both sides of the one-in-three line, so the threshold is checked too.
    static constexpr float kListed[] = {0.0f, 0.2f, 0.3333333f};
    static constexpr float kPassed[] = {0.33333334f, 0.5f, 0.99999994f};
    for (int slot = 1; slot <= kx::kWorldSize; ++slot)
        random.push(slots.contains(slot) ? kListed[slot % 3] : kPassed[slot % 3]);
    run([&] { rara().ListServers(); });
    EXPECT_EQ(random.pending(), 0u) << "the list draws once per server";
}

} // namespace kxtest
