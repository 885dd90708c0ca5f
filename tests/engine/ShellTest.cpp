#include "support/GameFixture.h"

#include "shell/frmCredits.h"
#include "shell/frmMenu.h"
#include "storage/KeptFiles.h"
#include "storage/Settings.h"
#include "storage/Skins.h"
#include "storage/WindowSize.h"
#include "storage/frmScorelist.h"

#include <algorithm>

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;

class Shell : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    // Clicks "Other" and chooses `item` from the menu that pops up.
    void choose(const std::string& item)
    {
        platform.menuChoices = {item};
        run([this] { rara().Command7_Click(); });
    }
    const kx::MenuItem& shown(const std::string& name)
    {
        kx::MenuItem* found = window<kx::frmMenu>().Item(name);
        if (!found)
            throw std::logic_error("no such menu item");
        return *found;
    }
};

struct MenuCase {
    std::string item;
    Lines opened; // documents handed to the desktop
    Lines told; // beginnings of the messages shown
};

class MenuItems : public Shell, public ::testing::WithParamInterface<MenuCase> {};

// Each item does its one thing and nothing else; the items of windows still to
// come, like a dismissed menu, do nothing at all.
TEST_P(MenuItems, DoTheirOneThing)
{
    const MenuCase& c = GetParam();
    const unsigned generation = game.generation();
    choose(c.item);
    Lines opened;
    for (const auto& path : platform.opened)
        opened.push_back(path.string());
    EXPECT_EQ(opened, c.opened);
    const Lines told = platform.messageTexts();
    ASSERT_EQ(told.size(), c.told.size());
    for (std::size_t i = 0; i < told.size(); ++i)
        EXPECT_TRUE(told[i].starts_with(c.told[i])) << told[i];
    EXPECT_EQ(game.generation(), generation);
    EXPECT_EQ(game.find<kx::frmCredits>(), nullptr);
    EXPECT_TRUE(state().SoundOn);
}

INSTANTIATE_TEST_SUITE_P(Shell, MenuItems, ::testing::ValuesIn(std::vector<MenuCase>{
    {"mnuCont", {"/kestrix/help/index.html"}, {}},
    {"mnuLumoraSite", {"/kestrix/help/studio.html"}, {}},
    {"mnuKestrixSite", {"/kestrix/help/kestrix.html"}, {}},
    {"mnuAbout", {}, {"Kestrix 1.1.  A game of hacking"}},
    {"", {}, {}},
}));

// "Sounds" silences every sound and unticks itself; again, and both come back.
TEST_F(Shell, SoundsTogglesSoundAndItsTick)
{
    for (const bool on : {false, true}) {
        platform.sounds.clear();
        choose("mnuSound");
        EXPECT_EQ(state().SoundOn, on);
        EXPECT_EQ(shown("mnuSound").Checked, on);
        game.PlaySound("/sounds/type1.wav");
        EXPECT_EQ(platform.sounds.size(), on ? 1u : 0u);
    }
}

// "High Scores" with the list open brings it forward as it is: no second
// reading of the file and no second clap.
TEST_F(Shell, HighScoresBringsAnOpenListForward)
{
    platform.sounds.clear();
    choose("mnuHighScores");
    const kx::frmScorelist* opened = game.find<kx::frmScorelist>();
    platform.clearRecords();
    choose("mnuHighScores");
    EXPECT_EQ(game.find<kx::frmScorelist>(), opened);
    EXPECT_EQ(platform.sounds, Lines{"/kestrix/sounds/clap1.wav"});
    EXPECT_EQ(std::ranges::count(platform.events, std::string("show High Scores")), 1);
}

// "Size" keeps the windows' size for the next start in a section of its own,
// which leaves the skin folder's entry as it was, and a settings file made
// for it names the skin too; a size the game does not offer reads as 100.
TEST_F(Shell, SizeIsKeptForTheNextStartBesideTheSkin)
{
    const auto settings = kx::KeptFileToWrite(game, kx::kSkinSettingsName);
    const auto ticked = [&] {
        std::vector<std::string> names;
        for (const kx::MenuItem& size : shown("mnuSize").children)
            if (size.Checked)
                names.push_back(size.name);
        return names;
    };
    choose("");
    EXPECT_EQ(ticked(), Lines{"mnuSize100"});
    for (const bool fileThere : {true, false}) {
        if (!fileThere)
            std::filesystem::remove(settings);
        platform.clearRecords();
        choose("mnuSize200");
        EXPECT_EQ(platform.messageTexts(), Lines{"The windows take their new size when Kestrix starts again."});
        EXPECT_EQ(kx::ReadWindowSize(settings), 200);
        EXPECT_EQ(kx::ReadSetting("Kestrix", "SkinFolder", settings), state().SkinFolder);
        EXPECT_EQ(ticked(), Lines{"mnuSize200"});
    }
    game.unload(*game.find<kx::frmMenu>());
    choose("");
    EXPECT_EQ(ticked(), Lines{"mnuSize200"}) << "a new menu shows the size kept";
    for (const char* size : {"175", "", "200%"}) {
        ASSERT_FALSE(kx::WriteSetting("Display", "Size", size, settings));
        EXPECT_EQ(kx::ReadWindowSize(settings), 100) << size;
    }
}

// "New Game" throws the running game away without a question, and the fresh
// menu ticks "Sounds" again to match the sound a new game turns on.
TEST_F(Shell, NewGameRestartsWithoutAsking)
{
    choose("mnuSound");
    state().Funds = 12345;
    const unsigned generation = game.generation();
    platform.inputAnswers = {"trinity"};
    choose("mnuGiveup");
    EXPECT_EQ(game.generation(), generation + 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(platform.messages[0].yes) << "the welcome is the only message";
    EXPECT_EQ(state().Alias, "trinity");
    EXPECT_EQ(state().Funds, 2000);
    EXPECT_EQ(game.find<kx::frmMenu>(), nullptr);
    choose("");
    EXPECT_TRUE(shown("mnuSound").Checked);
    EXPECT_TRUE(state().SoundOn);
}

// Every character, line breaks too, is typed after its own pause of one, two
// or three hundredths; the window then stays until "Continue" closes it at once.
TEST_F(Shell, CreditsTypeEveryCharacterAfterItsPause)
{
    platform.sounds.clear();
    const std::string credits = kx::frmCredits::CreditsText();
    std::vector<double> pauses;
    for (std::size_t i = 0; i < credits.size(); ++i) {
        const int k = 1 + static_cast<int>(i % 3);
        random.pushRandom(3, k);
        pauses.push_back(0.01 * k);
    }
    std::vector<std::size_t> typed; // characters shown at each pause
    platform.whileWaiting = [&](double) { typed.push_back(window<kx::frmCredits>().Text1.Text.size()); };
    choose("mnuCredits");
    platform.whileWaiting = {};

    EXPECT_EQ(platform.sounds, Lines{"/kestrix/sounds/horn1.wav"});
    ASSERT_EQ(platform.waited.size(), credits.size());
    for (std::size_t i = 0; i < credits.size(); ++i) {
        EXPECT_DOUBLE_EQ(platform.waited[i], pauses[i]) << "character " << i;
        EXPECT_EQ(typed[i], i + 1);
    }
    kx::frmCredits& shownCredits = window<kx::frmCredits>();
    EXPECT_EQ(shownCredits.Text1.Text, credits);
    EXPECT_FALSE(shownCredits.Revealing);
    EXPECT_EQ(platform.events, (Lines{"topmost Menu", "topmost Credits", "show Credits"}));
    platform.clearRecords();
    run([&] { shownCredits.Command1_Click(); });
    EXPECT_EQ(game.find<kx::frmCredits>(), nullptr);
    EXPECT_TRUE(platform.waited.empty());
}

enum Interrupt { Continue, CloseWindow, NewGame, CreditsAgain };

class CreditsInterrupted : public Shell, public ::testing::WithParamInterface<Interrupt> {};

// Whatever happens while the credits type, the reveal ends by the next
// character and never types into a window that has gone; choosing "Credits"
// again only brings the running one forward.
TEST_P(CreditsInterrupted, EndsTheRevealSafely)
{
    constexpr int kAt = 5; // characters typed when it happens
    int runs = 0;
    platform.whileProcessingEvents = [&] {
        if (++runs != kAt)
            return;
        kx::frmCredits& credits = window<kx::frmCredits>();
        switch (GetParam()) {
        case Continue: run([&] { credits.Command1_Click(); }); break;
        case CloseWindow: run([&] { credits.Form_QueryUnload(); }); break;
        case NewGame:
            platform.inputAnswers = {"neo"};
            run([this] { game.RestartGame(); });
            break;
        case CreditsAgain: choose("mnuCredits"); break;
        }
    };
    choose("mnuCredits");
    platform.whileProcessingEvents = {};
    const std::size_t length = kx::frmCredits::CreditsText().size();
    switch (GetParam()) {
    case Continue: // the pause after the current character still runs
        EXPECT_EQ(platform.waited.size(), static_cast<std::size_t>(kAt));
        EXPECT_EQ(game.find<kx::frmCredits>(), nullptr);
        break;
    case CloseWindow:
    case NewGame:
        EXPECT_EQ(platform.waited.size(), static_cast<std::size_t>(kAt - 1));
        EXPECT_EQ(game.find<kx::frmCredits>(), nullptr);
        break;
    case CreditsAgain:
        EXPECT_EQ(platform.waited.size(), length);
        EXPECT_EQ(std::ranges::count(platform.events, "show Credits"), 2);
        EXPECT_EQ(window<kx::frmCredits>().Text1.Text.size(), length);
        break;
    }
    EXPECT_TRUE(game.find<kx::frmRara>());
}

INSTANTIATE_TEST_SUITE_P(Shell, CreditsInterrupted,
                         ::testing::Values(Continue, CloseWindow, NewGame, CreditsAgain));

} // namespace
} // namespace kxtest
