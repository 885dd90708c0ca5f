#include "support/GameFixture.h"

#include "economy/frmPager.h"

namespace kxtest {
namespace {

class Pager : public GameFixture {
protected:
    int show(const std::string& text, bool twoButtons)
    {
        int answer = 0;
        run([&] { answer = game.ShowPager(text, twoButtons); });
        return answer;
    }
};

// Closing the window is taken as the refusal, "Okay" alone, else "No"; never
// as the last answer, which stays in the game state.  The pager beeps as it
// opens while sounds are on.  Once the program has ended, nothing shows and
// the refusal is the answer.
TEST_F(Pager, ReturnsThePressedButton)
{
    const struct { bool twoButtons; int press, expected; } cases[] = {
        {false, Okay, 1}, {false, Close, 1}, {true, Yes, 2}, {true, No, 3}, {true, Close, 3}};
    for (const auto& c : cases) {
        state().PagerAnswer = 2;
        state().SoundOn = c.press == Close;
        platform.messages.clear();
        platform.pagerPresses = {c.press};
        EXPECT_EQ(show("Hello there.", c.twoButtons), c.expected) << "press " << c.press;
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].yes, c.twoButtons);
        EXPECT_EQ(game.find<kx::frmPager>(), nullptr) << "the pager unloads once answered";
    }
    EXPECT_EQ(platform.sounds, std::vector<std::string>(2, "/kestrix/sounds/beep1.wav"));
    platform.messages.clear();
    run([&] { game.EndProgram(); });
    EXPECT_EQ(show("late", false), 1);
    EXPECT_EQ(show("late", true), 3);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Pager, MarqueeStartsAtTheRightEdgeAndComesBackWhenTheTextHasLeft)
{
    const std::string text = "Nothing to see here."; // 120 pixels wide
    state().PagerScroll = -500;
    platform.whilePagerShows = [&](kx::frmPager& pager) {
        EXPECT_TRUE(pager.Timer1.Enabled);
        auto tick = [&] { run([&] { pager.Timer1_Timer(); }); };
        tick();
        EXPECT_EQ(pager.Picture1.printed, (std::vector<kx::PictureBox::Printed>{{310, 7, text}}));
        // Two pixels a tick, from 308 until the text has wholly left at -122.
        int ticks = 0;
        for (; state().PagerScroll != 310 && ticks < 1000; ++ticks)
            tick();
        EXPECT_EQ(ticks, 216);
    };
    show(text, false);
}

// A message raised while another is up waits until the first is answered;
// both callers share PagerAnswer, yet each gets the answer to its own message.
TEST_F(Pager, AQueuedMessageWaitsItsTurnAndKeepsItsOwnAnswer)
{
    int inner = 0;
    platform.whilePagerShows = [&](kx::frmPager&) {
        platform.whilePagerShows = nullptr;
        inner = game.ShowPager("second", true);
    };
    platform.pagerPresses = {Okay, Yes};
    EXPECT_EQ(show("first", false), 1);
    EXPECT_EQ(inner, 2);
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"first", "second"}));
}

} // namespace
} // namespace kxtest
