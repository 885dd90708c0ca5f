#include "support/GameFixture.h"

#include "economy/frmPager.h"

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;
using Strip = std::vector<kx::PictureBox::Printed>;

// The welcome shows first; no button works while the alias is asked, and a
// cancelled prompt or the reserved handle is asked again.  The key handle
// plays as Tavrik; anything else is taken as typed.
TEST(NewGame, WelcomesThenTakesTheAliasAsTypedUnlessItIsTheKey)
{
    const struct {
        Lines typed;
        std::string alias, statusLine;
        Lines messages; // after the welcome
    } cases[] = {{{"", "tAvRiK", "neo"}, "neo", "Neo on day 1", {"There can be only one Tavrik :]"}},
                 {{"QelVun"}, "Tavrik", "Tavrik on day 1", {}},
                 {{"qelvun1"}, "qelvun1", "Qelvun1 on day 1", {}},
                 {{"tavrik "}, "tavrik ", "Tavrik  on day 1", {}}};
    for (const auto& c : cases) {
        FakePlatform platform;
        ScriptedRandom random;
        kx::Game game(platform, random);
        const auto buttonsWork = [&] {
            const kx::frmRara& w = *game.find<kx::frmRara>();
            return w.Command1.Enabled && w.Command6.Enabled;
        };
        Lines shown; // when each prompt showed
        platform.whileInputShows = [&](const InputRequest&) { shown.push_back(buttonsWork() ? "on" : "off"); };
        platform.inputAnswers.assign(c.typed.begin(), c.typed.end());
        game.start();
        EXPECT_EQ(shown, Lines(c.typed.size(), "off")) << c.alias;
        EXPECT_TRUE(buttonsWork());
        EXPECT_EQ(game.state.Alias, c.alias);
        EXPECT_EQ(game.find<kx::frmRara>()->Picture1.printed, (Strip{{5, 6, c.statusLine}}));
        ASSERT_EQ(platform.events.front(), "show Kestrix");
        Lines messages = platform.messageTexts();
        EXPECT_TRUE(messages.front().starts_with("Welcome to Kestrix.  You're starting"));
        EXPECT_EQ(Lines(messages.begin() + 1, messages.end()), c.messages) << c.alias;
    }
}

// Closing ends the program at once: no status check, no game-over message, and
// while the welcome or the alias prompt shows, no more questions.
TEST(ClosingTheMainWindow, EndsTheProgramAtOnce)
{
    enum When { Started, DuringWelcome, DuringAliasPrompt };
    const std::pair<When, void (kx::frmRara::*)()> cases[] = {
        {Started, &kx::frmRara::Label4_Click}, {Started, &kx::frmRara::Form_QueryUnload},
        {DuringWelcome, &kx::frmRara::Form_QueryUnload},
        {DuringAliasPrompt, &kx::frmRara::Label4_Click}};
    for (const auto& [when, close] : cases) {
        FakePlatform platform;
        ScriptedRandom random;
        kx::Game game(platform, random);
        const auto closeNow = [&] { game.dispatch([&] { (game.find<kx::frmRara>()->*close)(); }); };
        if (when == DuringWelcome)
            platform.whilePagerShows = [&](kx::frmPager&) { closeNow(); };
        if (when == DuringAliasPrompt)
            platform.whileInputShows = [&](const InputRequest&) { closeNow(); };
        platform.inputAnswers = {when == DuringAliasPrompt ? "" : "neo", "neo"};
        game.start();
        game.state.Funds = -100;
        if (when == Started)
            closeNow();
        EXPECT_EQ(platform.quitCalls, 1) << when;
        EXPECT_EQ(game.find<kx::frmRara>(), nullptr) << when;
        EXPECT_EQ(platform.messages.size(), 1u) << when;
        EXPECT_EQ(platform.inputs.size(), when == DuringWelcome ? 0u : 1u) << when;
        EXPECT_EQ(game.state.Alias, when == Started ? "neo" : "") << when;
    }
}

TEST(WindowShape, ScalesTheOutlineToTheScreenRoundingHalvesToEven)
{
    // Left, top, right, bottom, corner width and height: 6 x 15 / 12 = 7.5 -> 8.
    EXPECT_EQ(kx::MakeWindowShape(1, 1, 0, 0, 15, 12), (kx::RoundRect{0, 0, 401, 376, 6, 8}));
    EXPECT_EQ(kx::MakeWindowShape(0.5f, 1.5f, -5, 20, 15, 15),
              (kx::RoundRect{-5, 20, 195, 472, 3, 9})); // 200.5 -> 200, 451.5 -> 452
}

class MainWindow : public GameFixture {
protected:
    void SetUp() override { startGame(); }
};

TEST_F(MainWindow, OnlyTheOutermostHandlerReachesASafePoint)
{
    run([&] { run([&] { rara().Label3_Click(); }); });
    EXPECT_EQ(platform.safePoints, 1);
    EXPECT_EQ(platform.refreshCalls, 2) << "every handler refreshes the views";
}

TEST_F(MainWindow, ListsOneServerInThreeInSlotOrder)
{
    const auto reseeds = random.reseeds.size();
    listOnly({2, 13, 100});
    EXPECT_EQ(random.reseeds.size(), reseeds) << "the list draws without reseeding";
    const kx::ListView& list = rara().ListView1;
    ASSERT_EQ(list.items.size(), 3u);
    const kx::ServerRecord& last = state().Server[100];
    EXPECT_EQ(list.items[2], (kx::ListView::Item{"server3", last.Name,
                                                 {{"host3", last.Address},
                                                  {"vulnt3", std::to_string(last.Vulnerability)}}}));
    EXPECT_EQ(list.items[1].text, state().Server[13].Name);
    EXPECT_EQ(rara().Label2.Caption, "Vulnerable Servers - Total: 3");
    EXPECT_EQ(list.selected, 1);
    EXPECT_EQ(rara().SelectedServer, 2);
    listOnly({});
    EXPECT_EQ(rara().Label2.Caption, "Vulnerable Servers - Total: 0");
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(rara().SelectedServer, 0) << "nothing listed, nothing selected";
}

TEST_F(MainWindow, ClickOrSearchSelectsAnItem)
{
    // Bank of Boston, Micro Engineering Solutions Inc., Micron Electronics, Micro Warehouse.
    listOnly({5, 10, 51, 62});
    run([&] { rara().ListView1_ItemClick(3); });
    EXPECT_EQ(rara().SelectedServer, 51);
    EXPECT_EQ(rara().ListView1.selected, 3) << "the item Connect uses from now on";
    const std::pair<const char*, int> searches[] = {
        {"MICRO", 2}, {"Micro W", 4}, {"", 1}, // an empty (or cancelled) search takes the first
        {"soft", 3}, {"Bank of Boston and more", 3}}; // no match: as it was
    for (auto [answer, selected] : searches) {
        rara().ListView1.selected = 3;
        platform.inputAnswers = {answer};
        run([&] { rara().ListView1_DblClick(); });
        EXPECT_EQ(rara().ListView1.selected, selected) << '"' << answer << '"';
        EXPECT_EQ(rara().SelectedServer, 51) << "the search leaves the strip's server alone";
    }
    EXPECT_EQ(platform.inputs.back().defaultText, "Microsoft");
    for (int item : {0, 5}) {
        run([&] { rara().ListView1_ItemClick(item); });
        EXPECT_EQ(rara().SelectedServer, 0) << "item " << item;
    }
}

// Clicked, the strip scrolls the selected server's details in from its right
// edge (229 pixels), two pixels a tick, until they have wholly left; a drag
// pushes them ten pixels, but not while they stand right of the strip.
TEST_F(MainWindow, InfoStripScrollsTheSelectedServersDetails)
{
    const auto tick = [&] { run([&] { rara().Timer1_Timer(); }); };
    const auto drag = [&](double x) { run([&] { rara().Picture1_MouseMove(1, 0, x, 3); }); };
    for (std::int16_t invalid : {0, 151}) {
        rara().SelectedServer = invalid;
        run([&] { rara().Picture1_Click(); });
        EXPECT_FALSE(rara().Timer1.Enabled) << invalid;
    }
    rara().SelectedServer = 13;
    const kx::ServerRecord& s = state().Server[13];
    state().Server[13].NoAccess = true;
    state().DayCount = 30;
    run([&] { rara().Picture1_Click(); });
    EXPECT_EQ(rara().InfoText, "Name:  " + s.Name + "     Address:  " + s.Address +
                                   "     Vulnerability:  " + std::to_string(s.Vulnerability) +
                                   "     You do not have access to this server.");
    drag(50);
    drag(60);
    EXPECT_EQ(rara().InfoX, 229 + 10) << "pushed at the edge, then right of the strip";
    for (int i = 0; i < 6; ++i)
        tick();
    EXPECT_EQ(strip(), (Strip{{229, 6, rara().InfoText}}));
    drag(40);
    EXPECT_EQ(rara().InfoX, 229 - 12);
    // The text has left once it starts further left than its own width.
    const double width = platform.charWidth * static_cast<double>(rara().InfoText.size());
    rara().InfoX = static_cast<std::int16_t>(2 - width);
    tick();
    EXPECT_TRUE(rara().Timer1.Enabled) << "one tick early";
    tick();
    EXPECT_FALSE(rara().Timer1.Enabled);
    EXPECT_EQ(strip(), (Strip{{5, 6, "Neo on day 30"}}));
    drag(10);
    EXPECT_FALSE(rara().Timer1.Enabled) << "no text, no drag";
}

} // namespace
} // namespace kxtest
