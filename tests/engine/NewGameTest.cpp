#include "support/GameFixture.h"

#include <gtest/gtest.h>

namespace kxtest {
namespace {

const char* const kWelcome =
    "Welcome to Kestrix.  You're starting with a debt of $4,000 that will rise %10 each day.  "
    "Each time you hack into something, or get caught by the police while hacking, one day will "
    "pass.  You will also recieve messages from us when you need help, or even when we need "
    "help.  Click 'Okay' to continue the game.";
const char* const kOnlyOne = "There can be only one Tavrik :]";
const InputRequest kAliasPrompt{"Please enter your alias.", "Welcome newbie!", "Newbie"};

class NewGame : public GameFixture {
protected:
    // Starts the program and answers the alias prompts with `answers`.
    void start(std::initializer_list<std::string> answers)
    {
        platform.inputAnswers = answers;
        game.start();
        EXPECT_TRUE(platform.inputAnswers.empty()) << "fewer prompts than expected";
    }
};

TEST_F(NewGame, StartsWithTheDefaults)
{
    start({"neo"});
    const kx::GameState& s = state();
    EXPECT_EQ(s.Alias, "neo");
    EXPECT_EQ(s.Funds, 2000);
    EXPECT_EQ(s.Debt, 4000);
    EXPECT_EQ(s.BankFunds, 0);
    EXPECT_EQ(s.DayCount, 1);
    EXPECT_EQ(s.Items[1], 2);
    EXPECT_EQ(s.Items[2], 1);
    for (int slot = 3; slot <= kx::kItemSlots; ++slot)
        EXPECT_EQ(s.Items[slot], 0) << slot;
    EXPECT_TRUE(s.SoundOn);
    EXPECT_EQ(s.FavourServer, 0);
    EXPECT_EQ(s.FavourReward, 0);

    EXPECT_EQ(rara().Label9.Caption, "$2,000");
    EXPECT_EQ(rara().Label11.Caption, "2");
    EXPECT_EQ(rara().Label10.Caption, "1");
    EXPECT_EQ(rara().Label12.Caption, "$4,000");
    EXPECT_EQ(rara().Label14.Caption, "$0");
    EXPECT_EQ(rara().Region, (kx::RoundRect{0, 0, 401, 301, 6, 6}));
    EXPECT_EQ(rara().ListView1.columns,
              (std::vector<kx::ListView::Column>{{"Server Name", "ServerNames", 0.5},
                                                 {"Host", "Host", 0.3},
                                                 {"Vuln", "Vuln", 0.16}}));
}

TEST_F(NewGame, ShowsTheWindowThenWelcomesThenAsksTheAlias)
{
    start({"neo"});
    ASSERT_EQ(platform.messages.size(), 1u);
    const PagerMessage& welcome = platform.messages[0];
    EXPECT_EQ(welcome.text, kWelcome);
    EXPECT_TRUE(welcome.okay);
    EXPECT_FALSE(welcome.yes);
    EXPECT_FALSE(welcome.no);
    EXPECT_EQ(platform.inputs, std::vector<InputRequest>{kAliasPrompt});
    EXPECT_EQ(platform.events, (std::vector<std::string>{"show Kestrix", std::string("pager ") + kWelcome,
                                                         "input Welcome newbie!"}));
    EXPECT_EQ(platform.sounds, std::vector<std::string>{platform.programFolder() + "/sounds/beep1.wav"});
}

TEST_F(NewGame, PrintsTheFirstStatusLineWithoutTheDayCount)
{
    start({"neo"});
    EXPECT_EQ(strip(), (std::vector<kx::PictureBox::Printed>{{5, 6, "Neo on day 1"}}));
}

TEST_F(NewGame, ActionButtonsWaitForTheAlias)
{
    std::vector<bool> enabledWhileAsked;
    platform.whileInputShows = [&](const InputRequest&) {
        const kx::frmRara& w = rara();
        for (const kx::Button* b : {&w.Command1, &w.Command3, &w.Command4, &w.Command5, &w.Command6,
                                    &w.Command7})
            enabledWhileAsked.push_back(b->Enabled);
        EXPECT_TRUE(w.Command2.Enabled) << "Items is always enabled";
    };
    start({"", "neo"});
    EXPECT_EQ(enabledWhileAsked, std::vector<bool>(12, false));
    const kx::frmRara& w = rara();
    for (const kx::Button* b : {&w.Command1, &w.Command2, &w.Command3, &w.Command4, &w.Command5,
                                &w.Command6, &w.Command7})
        EXPECT_TRUE(b->Enabled) << b->Caption;
}

class ReservedHandle : public NewGame, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReservedHandle, IsRefusedAndAskedAgain)
{
    start({GetParam(), "neo"});
    EXPECT_EQ(platform.inputs, (std::vector<InputRequest>{kAliasPrompt, kAliasPrompt}));
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{kWelcome, kOnlyOne}));
    EXPECT_TRUE(platform.messages.back().okay);
    EXPECT_FALSE(platform.messages.back().yes);
    EXPECT_EQ(state().Alias, "neo");
}

INSTANTIATE_TEST_SUITE_P(NewGame, ReservedHandle,
                         ::testing::Values("tavrik", "Tavrik", "TAVRIK", "tAvRiK"));

class SecretKey : public NewGame, public ::testing::WithParamInterface<const char*> {};

TEST_P(SecretKey, GivesTheReservedHandle)
{
    start({GetParam()});
    EXPECT_EQ(state().Alias, "Tavrik");
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{kWelcome});
    EXPECT_EQ(strip().back().text, "Tavrik on day 1");
}

INSTANTIATE_TEST_SUITE_P(NewGame, SecretKey, ::testing::Values("qelvun", "QELVUN", "QelVun"));

struct TypedAlias {
    const char* typed;
    const char* statusLine;
    friend std::ostream& operator<<(std::ostream& out, const TypedAlias& a)
    {
        return out << '"' << a.typed << '"';
    }
};

class TypedAliasTest : public NewGame, public ::testing::WithParamInterface<TypedAlias> {};

TEST_P(TypedAliasTest, IsTakenAsTyped)
{
    start({GetParam().typed});
    EXPECT_EQ(state().Alias, GetParam().typed);
    EXPECT_EQ(strip().back().text, GetParam().statusLine);
    EXPECT_EQ(platform.inputs.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(NewGame, TypedAliasTest,
                         ::testing::Values(TypedAlias{" neo ", " neo  on day 1"},
                                           TypedAlias{"nEO", "NEO on day 1"},
                                           TypedAlias{"tavrik ", "Tavrik  on day 1"},
                                           TypedAlias{"qelvun1", "Qelvun1 on day 1"},
                                           TypedAlias{"\xe9lodie", "\xc9lodie on day 1"}));

TEST_F(NewGame, CancelledPromptIsAskedAgain)
{
    start({"", "", "neo"});
    EXPECT_EQ(platform.inputs.size(), 3u);
    EXPECT_EQ(platform.messages.size(), 1u) << "cancelling shows no message";
    EXPECT_EQ(state().Alias, "neo");
}

} // namespace
} // namespace kxtest
