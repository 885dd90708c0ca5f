#include "support/GameFixture.h"

#include <gtest/gtest.h>

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

TEST_F(DayCycle, SkipDayAdvancesDayAndDebt)
{
    skipDay();
    EXPECT_EQ(state().DayCount, 2);
    EXPECT_EQ(state().Debt, 4400);
    EXPECT_EQ(state().BankFunds, 0);
    EXPECT_EQ(state().Funds, 2000);
    EXPECT_EQ(rara().Label12.Caption, "$4,400");
    EXPECT_EQ(rara().Label14.Caption, "$0");
    EXPECT_EQ(strip(), (std::vector<kx::PictureBox::Printed>{{5, 6, "Neo on day 2 out of 30"}}));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.inputs.empty());
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
    EXPECT_EQ(rara().ListView1.items[0].text, "Intel");
    EXPECT_EQ(rara().ListView1.items[0].subItems[0].text, "51.51.128.128");
    EXPECT_EQ(rara().SelectedServer, 42);
}

// The debt passes 32,767 on day 24; its label must still show the whole amount.
TEST_F(DayCycle, DebtGrowsATenthEachDayUpToTheFinalDay)
{
    const std::map<int, std::string> expected = {
        {2, "$4,400"}, {3, "$4,840"}, {23, "$32,561"}, {24, "$35,817"}, {30, "$63,452"}};
    for (int day = 2; day <= 30; ++day) {
        skipDay();
        ASSERT_EQ(state().DayCount, day);
        if (expected.contains(day)) {
            EXPECT_EQ(rara().Label12.Caption, expected.at(day)) << "day " << day;
        }
        EXPECT_EQ(statusLine(), day == 30 ? "Neo on FINAL day"
                                          : "Neo on day " + std::to_string(day) + " out of 30");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DayCycle, SkipOnTheFinalDayEndsWithoutQuestions)
{
    state().DayCount = 30;
    state().Debt = 63452;
    skipDay();
    EXPECT_EQ(state().DayCount, 30);
    EXPECT_EQ(state().Debt, 63452);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.inputs.empty());
}

TEST_F(DayCycle, BankMoneyGrowsAHundredthEachDay)
{
    state().BankFunds = 12345;
    skipDay();
    EXPECT_FLOAT_EQ(state().BankFunds, 12468.45f);
    EXPECT_EQ(rara().Label14.Caption, "$12,468");
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

TEST_F(DayCycle, NoMoneyIsNotYetGameOver)
{
    state().Funds = 0;
    refresh();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(rara().Label9.Caption, "$0");
}

TEST_F(DayCycle, DeclinedNewGameKeepsPlayingAndAsksAgainAtTheNextRefresh)
{
    state().Funds = -0.01f;
    state().DayCount = 5;
    platform.pagerPresses = {Okay, No};
    refresh();
    ASSERT_EQ(platform.messageTexts(), (std::vector<std::string>{kGameOver, kNewGame}));
    EXPECT_TRUE(platform.messages[0].okay && !platform.messages[0].yes);
    EXPECT_TRUE(platform.messages[1].yes && platform.messages[1].no && !platform.messages[1].okay);
    EXPECT_EQ(state().Alias, "neo");
    EXPECT_EQ(state().DayCount, 5);
    EXPECT_EQ(state().Funds, -0.01f);
    EXPECT_EQ(statusLine(), "Neo on day 5 out of 30");

    platform.pagerPresses = {Okay, No};
    refresh();
    EXPECT_EQ(platform.messages.size(), 4u);
    EXPECT_TRUE(platform.inputs.empty());
}

TEST_F(DayCycle, GameOverOnTheFinalDayAsksNothingMore)
{
    state().DayCount = 30;
    state().Funds = -1;
    refresh();
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{kGameOver});
    EXPECT_EQ(state().Alias, "neo");
}

TEST_F(DayCycle, AcceptedNewGameRestartsEverything)
{
    state().Funds = -5;
    state().Debt = 9999;
    state().BankFunds = 500;
    state().DayCount = 7;
    state().Items[1] = 6;
    state().Items[5] = 3;
    state().Items[10] = 1;
    state().FavourServer = 3;
    state().FavourReward = 100;
    state().SoundOn = false;
    state().Server[7].NoAccess = true;
    const kx::frmRara* before = game.rara();
    const unsigned generation = game.generation();

    platform.pagerPresses = {Okay, Yes};
    platform.inputAnswers = {"trinity"};
    refresh();

    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].text, kGameOver);
    EXPECT_EQ(platform.messages[1].text, kNewGame);
    EXPECT_EQ(platform.messages[2].text.rfind("Welcome to Kestrix.", 0), 0u) << "welcomed again";
    EXPECT_EQ(platform.inputs.size(), 1u) << "the alias is asked again";
    EXPECT_NE(game.rara(), before);
    EXPECT_EQ(game.generation(), generation + 1);
    const kx::GameState& s = state();
    EXPECT_EQ(s.Alias, "trinity");
    EXPECT_EQ(s.Funds, 2000);
    EXPECT_EQ(s.Debt, 4000);
    EXPECT_EQ(s.BankFunds, 0);
    EXPECT_EQ(s.DayCount, 1);
    EXPECT_EQ(s.Items[1], 2);
    EXPECT_EQ(s.Items[2], 1);
    EXPECT_EQ(s.Items[5], 0);
    EXPECT_EQ(s.Items[10], 0);
    EXPECT_EQ(s.FavourServer, 0);
    EXPECT_EQ(s.FavourReward, 0);
    EXPECT_TRUE(s.SoundOn);
    EXPECT_EQ(s.EquipmentRating, 0);
    EXPECT_TRUE(s.Server[7].NoAccess) << "a block lasts through new games";
    EXPECT_EQ(rara().Label9.Caption, "$2,000");
    EXPECT_EQ(rara().Label12.Caption, "$4,000");
    EXPECT_EQ(statusLine(), "Trinity on day 1 out of 30");
    EXPECT_TRUE(rara().Command6.Enabled);
}

struct LabelCase {
    float kx::GameState::*field;
    int item; // used when field is null
    float value;
    kx::Label kx::frmRara::*label;
    const char* expected;
    friend std::ostream& operator<<(std::ostream& out, const LabelCase& c)
    {
        return out << c.value << " -> " << c.expected;
    }
};

class StatusLabels : public DayCycle, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(StatusLabels, ShowWholeDollarsRoundedHalfUp)
{
    const LabelCase& c = GetParam();
    if (c.field)
        state().*c.field = c.value;
    else
        state().Items[c.item] = c.value;
    run([&] { game.DrawStatus(); });
    EXPECT_EQ((rara().*c.label).Caption, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    DayCycle, StatusLabels,
    ::testing::Values(
        LabelCase{&kx::GameState::Funds, 0, 1999.5f, &kx::frmRara::Label9, "$2,000"},
        LabelCase{&kx::GameState::Funds, 0, 40000, &kx::frmRara::Label9, "$40,000"},
        LabelCase{&kx::GameState::Funds, 0, -1234.5f, &kx::frmRara::Label9, "$-1,234"},
        LabelCase{&kx::GameState::Debt, 0, 100000.5f, &kx::frmRara::Label12, "$100,001"},
        LabelCase{&kx::GameState::Debt, 0, -2.5f, &kx::frmRara::Label12, "$-2"},
        LabelCase{&kx::GameState::BankFunds, 0, 1234567, &kx::frmRara::Label14, "$1,234,567"},
        LabelCase{nullptr, 1, 40000, &kx::frmRara::Label11, "40,000"},
        LabelCase{nullptr, 2, 3, &kx::frmRara::Label10, "3"},
        LabelCase{nullptr, 2, 2.5f, &kx::frmRara::Label10, "3"}));

TEST_F(DayCycle, NegativeFundsShowOnTheLabelAfterADeclinedNewGame)
{
    state().Funds = -1234.5f;
    platform.pagerPresses = {Okay, No};
    refresh();
    EXPECT_EQ(rara().Label9.Caption, "$-1,234");
}

TEST_F(DayCycle, EquipmentRatingWeighsSlotsThreeToTen)
{
    const float weights[kx::kItemSlots + 1] = {0, 0, 0, 20, 35, 15, 35, 25, 30, 40, 45, 0};
    for (int slot = 1; slot <= kx::kItemSlots; ++slot) {
        state().Items = {};
        state().Items[slot] = 2;
        game.RateEquipment();
        EXPECT_EQ(state().EquipmentRating, 2 * weights[slot]) << "slot " << slot;
    }
    state().Items = {};
    for (int slot = 3; slot <= 10; ++slot)
        state().Items[slot] = 1;
    refresh();
    EXPECT_EQ(state().EquipmentRating, 245) << "the status refresh rates the equipment";
}

} // namespace
} // namespace kxtest
