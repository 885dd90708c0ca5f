#include "support/GameFixture.h"

#include "economy/frmPager.h"
#include "shell/WindowShape.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace kxtest {
namespace {

using MainWindow = GameFixture;

class ClosingMainWindow : public GameFixture,
                          public ::testing::WithParamInterface<void (kx::frmRara::*)()> {};

// Closing ends the program at once: no status check, no game-over message.
TEST_P(ClosingMainWindow, EndsTheProgramWithoutMessages)
{
    startGame();
    state().Funds = -100;
    run([&] { (rara().*GetParam())(); });
    EXPECT_EQ(platform.quitCalls, 1);
    EXPECT_TRUE(game.ended());
    EXPECT_EQ(game.rara(), nullptr);
    EXPECT_EQ(platform.unloaded, std::vector<kx::WindowKind>{kx::WindowKind::Rara});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.inputs.empty());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ClosingMainWindow,
                         ::testing::Values(&kx::frmRara::Label4_Click,
                                           &kx::frmRara::Form_QueryUnload));

TEST_F(MainWindow, ClosedDuringTheWelcomeAsksNoAlias)
{
    platform.whilePagerShows = [&](kx::frmPager&) { run([&] { rara().Form_QueryUnload(); }); };
    game.start();
    EXPECT_EQ(platform.quitCalls, 1);
    EXPECT_TRUE(platform.inputs.empty());
    EXPECT_EQ(game.pager(), nullptr);
    EXPECT_EQ(game.rara(), nullptr);
    EXPECT_EQ(state().Alias, "");
}

TEST_F(MainWindow, ClosedDuringTheAliasPromptAsksNoMore)
{
    platform.inputAnswers = {"", "neo"};
    platform.whileInputShows = [&](const InputRequest&) {
        platform.whileInputShows = nullptr;
        run([&] { rara().Label4_Click(); });
    };
    game.start();
    EXPECT_EQ(platform.quitCalls, 1);
    EXPECT_EQ(platform.inputs.size(), 1u);
    EXPECT_EQ(game.rara(), nullptr);
}

TEST_F(MainWindow, TitleStripDragsAndCornerMinimises)
{
    startGame();
    run([&] { rara().Label1_MouseDown(); });
    run([&] { rara().Label3_Click(); });
    EXPECT_EQ(platform.dragged, std::vector<kx::WindowKind>{kx::WindowKind::Rara});
    EXPECT_EQ(platform.minimised, std::vector<kx::WindowKind>{kx::WindowKind::Rara});
    EXPECT_EQ(platform.quitCalls, 0);
}

TEST_F(MainWindow, OnlyTheOutermostHandlerReachesASafePoint)
{
    startGame();
    EXPECT_EQ(platform.safePoints, 0);
    run([&] { run([&] { rara().Label3_Click(); }); });
    EXPECT_EQ(platform.safePoints, 1) << "only the outermost handler reaches a safe point";
    EXPECT_EQ(platform.refreshCalls, 2) << "every handler refreshes the views";
}

struct Shape {
    float sx, sy;
    std::int16_t ox, oy;
    double tx, ty;
    kx::RoundRect expected;
    friend std::ostream& operator<<(std::ostream& out, const Shape& s)
    {
        return out << "scale " << s.sx << " x " << s.sy << " at " << s.tx << " x " << s.ty
                   << " twips per pixel";
    }
};

class WindowShapeTest : public ::testing::TestWithParam<Shape> {};

TEST_P(WindowShapeTest, ScalesTheOutlineToTheScreen)
{
    const Shape& s = GetParam();
    EXPECT_EQ(kx::MakeWindowShape(s.sx, s.sy, s.ox, s.oy, s.tx, s.ty), s.expected);
}

// Fields: left, top, right, bottom, corner width, corner height.  Halves round to even.
INSTANTIATE_TEST_SUITE_P(
    MainWindow, WindowShapeTest,
    ::testing::Values(Shape{1, 1, 0, 0, 15, 15, {0, 0, 401, 301, 6, 6}},
                      Shape{1, 1, 0, 0, 12, 12, {0, 0, 501, 376, 8, 8}}, // 7.5 -> 8
                      Shape{1, 1, 0, 0, 15, 12, {0, 0, 401, 376, 6, 8}},
                      Shape{0.5f, 0.5f, 10, 20, 15, 15, {10, 20, 210, 170, 3, 3}}, // 200.5 -> 200
                      Shape{1.5f, 1.5f, 0, 0, 15, 15, {0, 0, 602, 452, 9, 9}}, // 601.5 -> 602
                      Shape{0.75f, 0.75f, -5, 0, 15, 15, {-5, 0, 296, 226, 4, 4}})); // 4.5 -> 4

} // namespace
} // namespace kxtest
