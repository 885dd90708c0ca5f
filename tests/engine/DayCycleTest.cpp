#include "support/GameFixture.h"

#include <map>

namespace kxtest {
namespace {

const char* const kGameOver = "You don't have enough money!  Game Over.";
const char* const kNewGame = "Would you like to start a new game?";

class DayCycle : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    void skipDay() { run([&] { rara().Command6_Click(); }); }
    void refresh() { run([&] { game.RefreshStatus(); }); }
    std::string statusLine() { return strip().empty() ? "" : strip().back().text; }
};

// The debt passes 32,767 on day 24; its label must still show the whole amount.
TEST_F(DayCycle, DebtGrowsATenthEachDayUpToTheFinalDay)
{
    const std::map<int, std::string> debts = {
        {2, "$4,400"}, {3, "$4,840"}, {23, "$32,561"}, {24, "$35,817"}, {30, "$63,452"}};
    for (int day = 2; day <= 30; ++day) {
        skipDay();
        ASSERT_EQ(state().DayCount, day);
        if (debts.contains(day)) {
            EXPECT_EQ(rara().Label12.Caption, debts.at(day)) << "day " << day;
        }
        EXPECT_EQ(statusLine(), day == 30 ? "Neo on FINAL day"
                                          : "Neo on day " + std::to_string(day) + " out of 30");
    }
    skipDay();
    EXPECT_EQ(state().DayCount, 30) << "the final day is not skipped";
}

// Multiplying in float would land one step off the nearest float now and then.
TEST_F(DayCycle, DailyGrowthIsTheNearestFloatToTheExactProduct)
{
    state().Debt = 4003;
    state().BankFunds = 1003;
    skipDay();
    EXPECT_EQ(state().Debt, 4403.3f);
    EXPECT_EQ(state().BankFunds, 1013.03f);
}

TEST_F(DayCycle, SkipDayListsTheNewWorld)
{
    // 100 servers of 8 draws each for the world, then one draw each for the list.
    for (int i = 0; i < 800; ++i)
        random.push(0.5f);
    for (int slot = 1; slot <= kx::kWorldSize; ++slot)
        random.push(slot == 42 ? 0.0f : 0.9f);
    skipDay();
    EXPECT_EQ(random.pending(), 0u);
    ASSERT_EQ(rara().ListView1.items.size(), 1u);
    EXPECT_EQ(rara().ListView1.items[0].subItems[0].text, "51.51.128.128");
    EXPECT_EQ(rara().SelectedServer, 42);
}

// No money is not yet game over, less is: a declined new game plays on and is
// asked again until the final day; an accepted one starts afresh, blocks kept.
TEST_F(DayCycle, OverdrawnTheGameIsOverAndANewOneMayStart)
{
    state().Funds = 0;
    refresh();
    EXPECT_TRUE(platform.messages.empty());
    state().Funds = -0.01f;
    state().DayCount = 5;
    platform.pagerPresses = {Okay, No, Okay, No};
    refresh();
    EXPECT_EQ(rara().Label9.Caption, "$0");
    EXPECT_EQ(statusLine(), "Neo on day 5 out of 30");
    refresh();
    state().DayCount = 30;
    refresh();
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{kGameOver, kNewGame, kGameOver, kNewGame, kGameOver}));

    state().DayCount = 7;
    state().BankFunds = 500;
    state().Items = {0, 6, 4, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    state().FavourServer = 3;
    state().FavourReward = 100;
    state().Server[7].NoAccess = true;
    platform.pagerPresses = {Okay, Yes};
    platform.inputAnswers = {"trinity"};
    refresh();
    EXPECT_EQ(platform.messages.size(), 8u) << "welcomed again";
    const kx::GameState& s = state();
    EXPECT_EQ(s.Alias, "trinity");
    EXPECT_EQ(s.Funds, 2000);
    EXPECT_EQ(s.BankFunds, 0);
    EXPECT_EQ(s.DayCount, 1);
    EXPECT_EQ(s.Items, (kx::Slots<float, kx::kItemSlots>{0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.FavourServer + s.FavourReward, 0);
    EXPECT_TRUE(s.Server[7].NoAccess) << "a block lasts through new games";
    EXPECT_EQ(statusLine(), "Trinity on day 1 out of 30");
}

// Labels show whole amounts rounded half up, past 16 bits too.
TEST_F(DayCycle, LabelsShowWholeAmountsRoundedHalfUpPastSixteenBits)
{
    state().Funds = -1234.5f;
    state().Debt = 100000.5f;
    state().BankFunds = 1234567;
    state().Items[1] = 40000;
    state().Items[2] = 2.5f;
    run([&] { game.DrawStatus(); });
    EXPECT_EQ(rara().Label9.Caption, "$-1,234");
    EXPECT_EQ(rara().Label12.Caption, "$100,001");
    EXPECT_EQ(rara().Label14.Caption, "$1,234,567");
    EXPECT_EQ(rara().Label11.Caption, "40,000");
    EXPECT_EQ(rara().Label10.Caption, "3");
}

} // namespace
} // namespace kxtest
