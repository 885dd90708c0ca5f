#include "support/GameFixture.h"

#include "economy/frmPager.h"

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;
using Strip = std::vector<kx::PictureBox::Printed>;

class Pager : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    int showPager(const std::string& text, bool twoButtons)
    {
        int answer = 0;
        run([&] { answer = game.ShowPager(text, twoButtons); });
        return answer;
    }
};

// Closing the pager is taken as the refusal, "Okay" alone, else "No"; never as
// the last answer, which stays in the game state.  It beeps as it opens while
// sounds are on.  Once the program has ended, nothing shows and the refusal is
// the answer.
TEST_F(Pager, ReturnsThePressedButtonAndTakesClosingAsTheRefusal)
{
    const struct { bool twoButtons; int press, expected; } cases[] = {
        {false, Okay, 1}, {false, Close, 1}, {true, Yes, 2}, {true, No, 3}, {true, Close, 3}};
    platform.sounds.clear();
    for (const auto& c : cases) {
        state().PagerAnswer = 2;
        state().SoundOn = c.press == Close;
        platform.messages.clear();
        platform.pagerPresses = {c.press};
        EXPECT_EQ(showPager("Hello there.", c.twoButtons), c.expected) << "press " << c.press;
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].yes, c.twoButtons);
        EXPECT_EQ(game.find<kx::frmPager>(), nullptr) << "the pager unloads once answered";
    }
    EXPECT_EQ(platform.sounds, Lines(2, "/kestrix/sounds/beep1.wav"));

    // A message raised while another is up waits until the first is answered;
    // both callers share PagerAnswer, yet each gets the answer to its own message.
    platform.messages.clear();
    int inner = 0;
    platform.whilePagerShows = [&](kx::frmPager&) {
        platform.whilePagerShows = nullptr;
        inner = game.ShowPager("second", true);
    };
    platform.pagerPresses = {Okay, Yes};
    EXPECT_EQ(showPager("first", false), 1);
    EXPECT_EQ(inner, 2);
    EXPECT_EQ(platform.messageTexts(), (Lines{"first", "second"}));
    platform.messages.clear();
    run([&] { game.EndProgram(); });
    EXPECT_EQ(showPager("late", false), 1);
    EXPECT_EQ(showPager("late", true), 3);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Pager, TheMarqueeStartsAtTheRightEdgeAndComesBackWhenTheTextHasLeft)
{
    const std::string text = "Nothing to see here."; // 120 pixels wide
    state().PagerScroll = -500;
    platform.whilePagerShows = [&](kx::frmPager& pager) {
        EXPECT_TRUE(pager.Timer1.Enabled);
        auto tick = [&] { run([&] { pager.Timer1_Timer(); }); };
        tick();
        EXPECT_EQ(pager.Picture1.printed, (Strip{{310, 7, text}}));
        // Two pixels a tick, from 308 until the text has wholly left at -122.
        int ticks = 0;
        for (; state().PagerScroll != 310 && ticks < 1000; ++ticks)
            tick();
        EXPECT_EQ(ticks, 216);
    };
    showPager(text, false);
}

} // namespace
} // namespace kxtest
