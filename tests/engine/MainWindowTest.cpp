#include "support/GameFixture.h"

#include <map>

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;
using Strip = std::vector<kx::PictureBox::Printed>;

const char* const kGameOver = "You don't have enough money!  Game Over.";
const char* const kNewGame = "Would you like to start a new game?";

class MainWindow : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    void skipDay() { run([&] { rara().Command6_Click(); }); }
    void refresh() { run([&] { game.RefreshStatus(); }); }
    std::string statusLine() { return strip().empty() ? "" : strip().back().text; }
};

// The welcome shows first; no button works while the alias is asked, and a
// cancelled prompt or the reserved handle is asked again.  The key handle
// plays as Tavrik; anything else is taken as typed.
TEST_F(MainWindow, ANewGameWelcomesThenTakesTheAliasAsTypedUnlessItIsTheKey)
{
    const struct { Lines typed; std::string alias, statusLine; Lines messages; } cases[] = {
        {{"", "tAvRiK", "neo"}, "neo", "Neo on day 1", {"There can be only one Tavrik :]"}},
        {{"QelVun"}, "Tavrik", "Tavrik on day 1", {}},
        {{"qelvun1"}, "qelvun1", "Qelvun1 on day 1", {}},
        {{"tavrik "}, "tavrik ", "Tavrik  on day 1", {}}};
    std::vector<bool> working; // whether Connect or Skip Day worked as each prompt showed
    platform.whileInputShows = [&](const InputRequest&) {
        working.push_back(rara().Command1.Enabled || rara().Command6.Enabled);
    };
    for (const auto& c : cases) {
        platform.clearRecords();
        working.clear();
        platform.inputAnswers.assign(c.typed.begin(), c.typed.end());
        run([&] { game.RestartGame(); });
        EXPECT_EQ(working, std::vector<bool>(c.typed.size(), false)) << c.alias;
        EXPECT_TRUE(rara().Command1.Enabled && rara().Command6.Enabled);
        EXPECT_EQ(state().Alias, c.alias);
        EXPECT_EQ(strip(), (Strip{{5, 6, c.statusLine}}));
        EXPECT_EQ(platform.events.front(), "show Kestrix");
        const Lines messages = platform.messageTexts();
        EXPECT_TRUE(messages.front().starts_with("Welcome to Kestrix.  You're starting"));
        EXPECT_EQ(Lines(messages.begin() + 1, messages.end()), c.messages) << c.alias;
    }
    platform.clearRecords();
    run([&] { run([&] { rara().Label3_Click(); }); });
    EXPECT_EQ(platform.safePoints, 1) << "only the outermost handler reaches one";
    EXPECT_EQ(platform.refreshCalls, 2) << "every handler refreshes the views";
}

// One server in three is listed, in slot order, the first selected; a click or
// a search selects another.
TEST_F(MainWindow, TheListShowsOneServerInThreeAndAClickOrSearchSelects)
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

    // Bank of Boston, Micro Engineering Solutions Inc., Micron Electronics, Micro Warehouse.
    listOnly({5, 10, 51, 62});
    run([&] { rara().ListView1_ItemClick(3); });
    EXPECT_EQ(rara().SelectedServer, 51);
    EXPECT_EQ(list.selected, 3) << "the item Connect uses from now on";
    const std::pair<const char*, int> searches[] = {
        {"MICRO", 2}, {"Micro W", 4}, {"", 1}, // an empty (or cancelled) search takes the first
        {"soft", 3}, {"Bank of Boston and more", 3}}; // no match: as it was
    for (auto [answer, selected] : searches) {
        rara().ListView1.selected = 3;
        platform.inputAnswers = {answer};
        run([&] { rara().ListView1_DblClick(); });
        EXPECT_EQ(list.selected, selected) << '"' << answer << '"';
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

// A skipped day makes and lists a new world.  Debt and savings grow by the
// nearest float to the exact product, which multiplying in float would miss
// now and then; the debt passes 32,767 on day 24, and its label still shows
// the whole amount.
TEST_F(MainWindow, SkipDayListsANewWorldAndGrowsTheDebtUpToTheFinalDay)
{
    // 100 servers of 8 draws each for the world, then one draw each for the list.
    for (int i = 0; i < 800; ++i)
        random.push(0.5f);
    for (int slot = 1; slot <= kx::kWorldSize; ++slot)
        random.push(slot == 42 ? 0.0f : 0.9f);
    state().Debt = 4003;
    state().BankFunds = 1003;
    skipDay();
    EXPECT_EQ(random.pending(), 0u);
    ASSERT_EQ(rara().ListView1.items.size(), 1u);
    EXPECT_EQ(rara().ListView1.items[0].subItems[0].text, "51.51.128.128");
    EXPECT_EQ(rara().SelectedServer, 42);
    EXPECT_EQ(state().Debt, 4403.3f);
    EXPECT_EQ(state().BankFunds, 1013.03f);
    EXPECT_EQ(statusLine(), "Neo on day 2 out of 30");

    state().Debt = 4400;
    const std::map<int, std::string> debts = {
        {3, "$4,840"}, {23, "$32,561"}, {24, "$35,817"}, {30, "$63,452"}};
    for (int day = 3; day <= 30; ++day) {
        skipDay();
        ASSERT_EQ(state().DayCount, day);
        if (debts.contains(day)) {
            EXPECT_EQ(rara().Label12.Caption, debts.at(day)) << "day " << day;
        }
        EXPECT_EQ(statusLine(), day == 30 ? "Neo on FINAL day"
                                          : "Neo on day " + std::to_string(day) + " out of 30");
    }
    skipDay();
    EXPECT_EQ(state().DayCount, 30) << "the final day is not skipped";
}

// No money is not yet game over, less is: a declined new game plays on and is
// asked again until the final day; an accepted one starts afresh, blocks kept.
TEST_F(MainWindow, OverdrawnTheGameIsOverAndANewOneMayStart)
{
    state().Funds = 0;
    refresh();
    EXPECT_TRUE(platform.messages.empty());
    state().Funds = -0.01f;
    state().DayCount = 5;
    platform.pagerPresses = {Okay, No, Okay, No};
    refresh();
    EXPECT_EQ(rara().Label9.Caption, "$0");
    EXPECT_EQ(statusLine(), "Neo on day 5 out of 30");
    refresh();
    state().DayCount = 30;
    refresh();
    EXPECT_EQ(platform.messageTexts(), (Lines{kGameOver, kNewGame, kGameOver, kNewGame, kGameOver}));

    state().DayCount = 7;
    state().BankFunds = 500;
    state().Items = {0, 6, 4, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    state().FavourServer = 3;
    state().FavourReward = 100;
    state().Server[7].NoAccess = true;
    platform.pagerPresses = {Okay, Yes};
    platform.inputAnswers = {"trinity"};
    refresh();
    EXPECT_EQ(platform.messages.size(), 8u) << "welcomed again";
    const kx::GameState& s = state();
    EXPECT_EQ(s.Alias, "trinity");
    EXPECT_EQ(s.Funds, 2000);
    EXPECT_EQ(s.BankFunds, 0);
    EXPECT_EQ(s.DayCount, 1);
    EXPECT_EQ(s.Items, (kx::Slots<float, kx::kItemSlots>{0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.FavourServer + s.FavourReward, 0);
    EXPECT_TRUE(s.Server[7].NoAccess) << "a block lasts through new games";
    EXPECT_EQ(statusLine(), "Trinity on day 1 out of 30");

    // Labels show whole amounts rounded half up, past 16 bits too.
    state().Funds = -1234.5f;
    state().Debt = 100000.5f;
    state().BankFunds = 1234567;
    state().Items[1] = 40000;
    state().Items[2] = 2.5f;
    run([&] { game.DrawStatus(); });
    EXPECT_EQ(rara().Label9.Caption, "$-1,234");
    EXPECT_EQ(rara().Label12.Caption, "$100,001");
    EXPECT_EQ(rara().Label14.Caption, "$1,234,567");
    EXPECT_EQ(rara().Label11.Caption, "40,000");
    EXPECT_EQ(rara().Label10.Caption, "3");
}

} // namespace
} // namespace kxtest
