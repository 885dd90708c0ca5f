#include "support/GameFixture.h"

#include "economy/frmPager.h"

#include <gtest/gtest.h>

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

struct Answer {
    bool twoButtons;
    int press;
    int expected;
    friend std::ostream& operator<<(std::ostream& out, const Answer& a)
    {
        return out << (a.twoButtons ? "Yes/No" : "Okay") << " press " << a.press;
    }
};

class PagerAnswerTest : public Pager, public ::testing::WithParamInterface<Answer> {};

TEST_P(PagerAnswerTest, ReturnsThePressedButton)
{
    const Answer& a = GetParam();
    platform.pagerPresses = {a.press};
    EXPECT_EQ(show("Hello there.", a.twoButtons), a.expected);
    EXPECT_EQ(state().PagerAnswer, a.expected);
    ASSERT_EQ(platform.messages.size(), 1u);
    const PagerMessage& m = platform.messages[0];
    EXPECT_EQ(m.text, "Hello there.");
    EXPECT_EQ(m.okay, !a.twoButtons);
    EXPECT_EQ(m.yes, a.twoButtons);
    EXPECT_EQ(m.no, a.twoButtons);
    EXPECT_EQ(game.pager(), nullptr) << "the pager unloads once answered";
}

// Closing the window is taken as the refusal: "Okay" alone, else "No".
INSTANTIATE_TEST_SUITE_P(Pager, PagerAnswerTest,
                         ::testing::Values(Answer{false, Okay, 1}, Answer{false, Close, 1},
                                           Answer{true, Yes, 2}, Answer{true, No, 3},
                                           Answer{true, Close, 3}));

// The last answer stays in the game state; a closed pager must not return it.
TEST_F(Pager, ClosedPagerIgnoresTheLastAnswer)
{
    state().PagerAnswer = 2;
    platform.pagerPresses = {Close};
    EXPECT_EQ(show("One button", false), 1);
    state().PagerAnswer = 1;
    platform.pagerPresses = {Close};
    EXPECT_EQ(show("Two buttons", true), 3);
}

TEST_F(Pager, StartsAtTheRightEdgeWithTheTimerRunning)
{
    state().PagerScroll = -500;
    platform.whilePagerShows = [&](kx::frmPager& pager) {
        EXPECT_EQ(pager.Picture1.ScaleWidth(), kPagerStripWidth);
        EXPECT_EQ(state().PagerScroll, kPagerStripWidth);
        EXPECT_EQ(state().PagerText, "Hi");
        EXPECT_TRUE(pager.Timer1.Enabled);
        EXPECT_EQ(pager.Caption(), "Pager Message");
    };
    show("Hi", false);
}

TEST_F(Pager, MarqueeScrollsTwoPixelsAndComesBackFromTheRight)
{
    const std::string text = "Nothing to see here.";
    const double width = platform.charWidth * static_cast<double>(text.size());
    platform.whilePagerShows = [&](kx::frmPager& pager) {
        auto tick = [&] { run([&] { pager.Timer1_Timer(); }); };
        tick();
        EXPECT_EQ(pager.Picture1.printed,
                  (std::vector<kx::PictureBox::Printed>{{kPagerStripWidth, 7, text}}));
        EXPECT_EQ(state().PagerScroll, kPagerStripWidth - 2);
        // On until the text has wholly left on the left.
        double lastPrinted = 0;
        for (int ticks = 0; state().PagerScroll != kPagerStripWidth && ticks < 1000; ++ticks) {
            tick();
            lastPrinted = pager.Picture1.printed.at(0).x;
        }
        EXPECT_LT(lastPrinted, -width);
        EXPECT_GE(lastPrinted, -width - 2);
        EXPECT_EQ(state().PagerScroll, kPagerStripWidth);
        tick();
        EXPECT_EQ(state().PagerScroll, kPagerStripWidth - 2) << "and round again";
    };
    show(text, false);
}

TEST_F(Pager, DraggingPushesTheTextFivePixels)
{
    platform.whilePagerShows = [&](kx::frmPager& pager) {
        auto move = [&](int button, double x) {
            run([&] { pager.Picture1_MouseMove(button, 0, x, 4); });
        };
        move(1, 20); // at the edge a push still works
        EXPECT_EQ(state().PagerScroll, kPagerStripWidth + 5);
        move(1, 40);
        move(1, 10);
        EXPECT_EQ(state().PagerScroll, kPagerStripWidth + 5) << "off the right edge: no push";
        EXPECT_EQ(pager.LastMouseX, 20);

        state().PagerScroll = 100;
        move(1, 10);
        EXPECT_EQ(state().PagerScroll, 95);
        move(1, 30);
        EXPECT_EQ(state().PagerScroll, 100);
        EXPECT_EQ(pager.LastMouseX, 30);
        for (int button : {0, 2, 3})
            move(button, 80);
        EXPECT_EQ(state().PagerScroll, 100);
        EXPECT_TRUE(pager.Timer1.Enabled);
    };
    show("Drag me", false);
}

TEST_F(Pager, BeepsOnlyWithSoundsOn)
{
    state().SoundOn = true;
    show("a", false);
    EXPECT_EQ(platform.sounds, std::vector<std::string>{platform.programFolder() + "/sounds/beep1.wav"});
    state().SoundOn = false;
    show("b", true);
    EXPECT_EQ(platform.sounds.size(), 1u);
}

TEST_F(Pager, AfterTheProgramEndedNothingIsShown)
{
    startGame();
    run([&] { game.EndProgram(); });
    EXPECT_EQ(show("late", false), 1);
    EXPECT_EQ(show("late", true), 3);
    EXPECT_TRUE(platform.messages.empty());
}

// A message raised while another is up (from an event run meanwhile) waits
// until the first is answered.
class QueuedMessage : public Pager {
protected:
    int inner = 0;
    void raiseSecondWhileFirstShows()
    {
        platform.whilePagerShows = [&](kx::frmPager&) {
            platform.whilePagerShows = nullptr;
            inner = game.ShowPager("second", true);
        };
    }
};

TEST_F(QueuedMessage, WaitsItsTurn)
{
    raiseSecondWhileFirstShows();
    platform.pagerPresses = {Okay, Yes};
    show("first", false);
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(platform.messages[0].pressed, Okay);
    EXPECT_EQ(platform.messages[1].pressed, Yes);
    EXPECT_EQ(inner, 2);
    EXPECT_EQ(game.pager(), nullptr);
}

// Both callers share PagerAnswer; the first must not get the second's answer.
TEST_F(QueuedMessage, EachCallerGetsTheAnswerToItsOwnMessage)
{
    raiseSecondWhileFirstShows();
    platform.pagerPresses = {Okay, Yes};
    EXPECT_EQ(show("first", false), 1);
    EXPECT_EQ(inner, 2);
}

} // namespace
} // namespace kxtest
