#include "support/GameFixture.h"

#include "economy/frmPager.h"

namespace kxtest {
namespace {

constexpr double kPagerStripWidth = 310; // 4650 twips

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
// as the last answer, which stays in the game state.
TEST_F(Pager, ReturnsThePressedButton)
{
    const struct { bool twoButtons; int press, expected; } cases[] = {
        {false, Okay, 1}, {false, Close, 1}, {true, Yes, 2}, {true, No, 3}, {true, Close, 3}};
    for (const auto& c : cases) {
        state().PagerAnswer = 2;
        platform.messages.clear();
        platform.pagerPresses = {c.press};
        EXPECT_EQ(show("Hello there.", c.twoButtons), c.expected) << "press " << c.press;
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].yes, c.twoButtons);
        EXPECT_EQ(pagerWindow(), nullptr) << "the pager unloads once answered";
    }
}

TEST_F(Pager, MarqueeStartsAtTheRightEdgeAndComesBackWhenTheTextHasLeft)
{
    const std::string text = "Nothing to see here."; // 120 pixels wide
    state().PagerScroll = -500;
    platform.whilePagerShows = [&](kx::frmPager& pager) {
        EXPECT_TRUE(pager.Timer1.Enabled);
        auto tick = [&] { run([&] { pager.Timer1_Timer(); }); };
        tick();
        EXPECT_EQ(pager.Picture1.printed,
                  (std::vector<kx::PictureBox::Printed>{{kPagerStripWidth, 7, text}}));
        // Two pixels a tick, from 310 until the text has wholly left at -122.
        int ticks = 0;
        double lastPrinted = 0;
        for (; state().PagerScroll != kPagerStripWidth && ticks < 1000; ++ticks) {
            tick();
            lastPrinted = pager.Picture1.printed.at(0).x;
        }
        EXPECT_EQ(lastPrinted, -122);
        EXPECT_EQ(ticks, 216);
    };
    show(text, false);
}

// The pager beeps as it opens, but only while sounds are on.
TEST_F(Pager, BeepsWhileSoundsAreOn)
{
    state().SoundOn = true;
    show("Beep.", false);
    state().SoundOn = false;
    show("Quiet.", false);
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"/kestrix/sounds/beep1.wav"});
}

TEST_F(Pager, ShowsNothingOnceTheProgramEnded)
{
    startGame();
    run([&] { game.EndProgram(); });
    EXPECT_EQ(show("late", false), 1);
    EXPECT_EQ(show("late", true), 3);
    EXPECT_TRUE(platform.messages.empty());
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
