#include "support/TerminalFixture.h"

#include "shell/frmGuide.h"
#include "shell/frmMenu.h"
#include "storage/Skins.h"

#include <filesystem>

namespace kxtest {
namespace {

class Guide : public TerminalFixture {
protected:
    // The ticked steps by number, "-" for one still to do.
    std::string ticks()
    {
        std::string shown;
        for (int step = 1; step <= kx::kGuideSteps; ++step)
            shown += state().GuideTicks[step] ? static_cast<char>('0' + step) : '-';
        return shown;
    }
    kx::frmGuide& guide() { return window<kx::frmGuide>(); }
    void chooseGuide()
    {
        platform.menuChoices = {"mnuGuide"};
        run([&] { rara().Command7_Click(); });
    }
};

// Each step ticks when the game sees it done, and only then: a cracker that
// gets the server barred logs nobody in, a payment over the limit is still a
// payment written, and the guide moves on to the first step left to do.
TEST_F(Guide, EachStepTicksOnItsOwnEventOnly)
{
    EXPECT_EQ(guide().ListView1.selected, 1) << "a first start shows the guide at its first step";
    connect();
    EXPECT_EQ(ticks(), "1-----");
    EXPECT_EQ(guide().ListView1.selected, 2);
    EXPECT_TRUE(guide().Label5.Caption.starts_with("Type the login name"));
    random.pushRandom(40, 2);
    random.pushRandom(9, 1);
    random.pushHighest(40, 1);
    type("prgmname");
    ASSERT_TRUE(server().NoAccess);
    EXPECT_EQ(ticks(), "1-----") << "a barred cracker";
    server().NoAccess = false;
    run([&] { guide().ListView1_ItemClick(5); });
    EXPECT_TRUE(guide().Label5.Caption.starts_with("A payment, or Skip Day")) << "any step can be read";
    logIn();
    EXPECT_EQ(ticks(), "12----");
    setFiles({{"memo.txt", "m"}, {"Payroll.db", "p", true}, {"note.txt", "n"}});
    state().ServerFiles[3].IsHintFile = true;
    type("read 1");
    type("dir");
    EXPECT_EQ(ticks(), "12----");
    type("read 3");
    EXPECT_EQ(ticks(), "123---");
    state().Items[1] = 10;
    random.pushRandom(20, 10);
    scriptQuietDay();
    type("write Payroll.db 9000 2");
    EXPECT_EQ(ticks(), "12345-") << "caught over the limit, and the day ended";
    EXPECT_EQ(guide().ListView1.selected, 6);
    EXPECT_EQ(guide().ListView1.items[3].subItems[1].text, "done");
    platform.pagerPresses = {Yes, Okay};
    platform.fileAnswers = {platform.data / "saved"};
    run([&] { rara().Command4_Click(); });
    EXPECT_EQ(ticks(), "123456");
    EXPECT_TRUE(platform.messageTexts().size() >= 2) << "the guide says nothing in the pager itself";
}

// Closing the guide is remembered across a restart of the program, "Guide"
// in Other shows it again, and a new game starts the checklist again only
// while the guide is on.  A later start with the skin's settings already
// there shows no guide unless asked.
TEST_F(Guide, TheChoiceIsRememberedAndANewGameStartsOverOnlyWhileShown)
{
    connect();
    run([&] { guide().Command1_Click(); });
    EXPECT_EQ(game.find<kx::frmGuide>(), nullptr);
    platform.inputAnswers = {"neo"};
    run([&] { game.RestartGame(); });
    EXPECT_EQ(game.find<kx::frmGuide>(), nullptr) << "closed for good";
    EXPECT_EQ(ticks(), "1-----") << "a new game keeps the ticks while the guide is off";
    chooseGuide();
    EXPECT_TRUE(window<kx::frmMenu>().Item("mnuGuide")->Checked);
    EXPECT_EQ(guide().ListView1.selected, 2);
    platform.inputAnswers = {"neo"};
    run([&] { game.RestartGame(); });
    EXPECT_EQ(ticks(), "------");
    EXPECT_EQ(guide().ListView1.selected, 1);

    FakePlatform later;
    const std::filesystem::path own = later.data;
    later.data = platform.data;
    kx::Game again{later, random};
    later.inputAnswers = {"neo"};
    again.start();
    EXPECT_NE(again.find<kx::frmGuide>(), nullptr) << "shown when the program last stopped";
    again.dispatch([&] { again.find<kx::frmGuide>()->Label4_Click(); });
    std::filesystem::remove(platform.data / "guide.ehf");
    ASSERT_TRUE(std::filesystem::exists(platform.data / kx::kSkinSettingsName));
    later.inputAnswers = {"neo"};
    again.dispatch([&] { again.RestartGame(); });
    EXPECT_EQ(again.find<kx::frmGuide>(), nullptr) << "no first start any more";
    later.data = own;
}

} // namespace
} // namespace kxtest
