#include "support/GameFixture.h"

#include <gtest/gtest.h>

namespace kxtest {
namespace {

constexpr int kStripWidth = 229; // 3435 twips

class InfoStrip : public GameFixture {
protected:
    void SetUp() override
    {
        startGame();
        rara().SelectedServer = 13;
    }
    void click() { run([&] { rara().Picture1_Click(); }); }
    void tick() { run([&] { rara().Timer1_Timer(); }); }
    void move(int button, double x) { run([&] { rara().Picture1_MouseMove(button, 0, x, 3); }); }
    // Ticks until the strip stops; returns the number of ticks.
    int scrollOut()
    {
        int ticks = 0;
        while (rara().Timer1.Enabled && ticks < 10000) {
            tick();
            ++ticks;
        }
        return ticks;
    }
    std::string details(const kx::ServerRecord& s)
    {
        return "Name:  " + s.Name + "     Address:  " + s.Address +
               "     Vulnerability:  " + std::to_string(s.Vulnerability);
    }
};

TEST_F(InfoStrip, ClickScrollsTheSelectedServersDetailsInFromTheRight)
{
    click();
    EXPECT_EQ(rara().InfoText, details(state().Server[13]));
    EXPECT_EQ(rara().InfoX, kStripWidth);
    EXPECT_TRUE(rara().Timer1.Enabled);
}

TEST_F(InfoStrip, BlockedServerSaysSo)
{
    state().Server[13].NoAccess = true;
    click();
    EXPECT_EQ(rara().InfoText,
              details(state().Server[13]) + "     You do not have access to this server.");
}

TEST_F(InfoStrip, ClickWithoutValidServerDoesNothing)
{
    for (std::int16_t selected : {0, -1, 151}) {
        rara().SelectedServer = selected;
        click();
        EXPECT_EQ(rara().InfoText, "") << selected;
        EXPECT_FALSE(rara().Timer1.Enabled) << selected;
    }
}

TEST_F(InfoStrip, SecondClickRestartsFromTheRightEdge)
{
    click();
    for (int i = 0; i < 30; ++i)
        tick();
    EXPECT_EQ(rara().InfoX, kStripWidth - 60);
    click();
    EXPECT_EQ(rara().InfoX, kStripWidth);
}

TEST_F(InfoStrip, EachTickPrintsTheTextAndMovesItTwoPixels)
{
    click();
    const std::string text = rara().InfoText;
    tick();
    EXPECT_EQ(strip(), (std::vector<kx::PictureBox::Printed>{{kStripWidth, 6, text}}));
    EXPECT_EQ(rara().InfoX, kStripWidth - 2);
    tick();
    EXPECT_EQ(strip(), (std::vector<kx::PictureBox::Printed>{{kStripWidth - 2, 6, text}}));
}

class ScrollOutTest : public InfoStrip, public ::testing::WithParamInterface<int> {};

// The strip goes back to the short status line once the text has left on the left.
TEST_P(ScrollOutTest, ShowsTheStatusLineOnceTheTextHasLeft)
{
    state().DayCount = static_cast<float>(GetParam());
    click();
    const double width = platform.charWidth * static_cast<double>(rara().InfoText.size());
    // The text leaves once its print position is further left than its width.
    int expectedTicks = 0;
    for (int x = kStripWidth; x >= -width; x -= 2)
        ++expectedTicks;
    EXPECT_EQ(scrollOut(), expectedTicks);
    EXPECT_EQ(rara().InfoText, "");
    EXPECT_EQ(strip(), (std::vector<kx::PictureBox::Printed>{
                           {5, 6, "Neo on day " + std::to_string(GetParam())}}));
}

INSTANTIATE_TEST_SUITE_P(InfoStrip, ScrollOutTest, ::testing::Values(1, 7, 30));

TEST_F(InfoStrip, DoubleClickStopsAndRestartsTheScroll)
{
    click();
    run([&] { rara().Picture1_DblClick(); });
    EXPECT_FALSE(rara().Timer1.Enabled);
    run([&] { rara().Picture1_DblClick(); });
    EXPECT_TRUE(rara().Timer1.Enabled);
}

TEST_F(InfoStrip, DraggingPushesTheTextTenPixels)
{
    click();
    for (int i = 0; i < 20; ++i)
        tick();
    ASSERT_EQ(rara().InfoX, kStripWidth - 40);
    run([&] { rara().Picture1_DblClick(); }); // stopped; a drag starts it again

    move(1, 100);
    EXPECT_EQ(rara().InfoX, kStripWidth - 30);
    EXPECT_EQ(rara().LastMouseX, 100);
    EXPECT_TRUE(rara().Timer1.Enabled);
    move(1, 90);
    EXPECT_EQ(rara().InfoX, kStripWidth - 40);
    EXPECT_EQ(rara().LastMouseX, 90);
    move(1, 90);
    EXPECT_EQ(rara().InfoX, kStripWidth - 40) << "no movement, no push";
    for (int button : {0, 2, 3}) {
        move(button, 150);
        EXPECT_EQ(rara().InfoX, kStripWidth - 40) << "button " << button;
    }
}

TEST_F(InfoStrip, DraggingDoesNothingWhileTheTextIsRightOfTheStrip)
{
    click();
    move(1, 50); // at the edge a push still works
    ASSERT_EQ(rara().InfoX, kStripWidth + 10);
    run([&] { rara().Picture1_DblClick(); });
    move(1, 80);
    move(1, 20);
    EXPECT_EQ(rara().InfoX, kStripWidth + 10);
    EXPECT_EQ(rara().LastMouseX, 50);
    EXPECT_FALSE(rara().Timer1.Enabled) << "an ignored drag does not restart the scroll";
}

TEST_F(InfoStrip, DraggingAfterTheScrollEndedDoesNothing)
{
    click();
    scrollOut();
    const auto x = rara().InfoX;
    move(1, 40);
    EXPECT_EQ(rara().InfoX, x);
    EXPECT_FALSE(rara().Timer1.Enabled) << "no text, no scroll";
}

} // namespace
} // namespace kxtest
