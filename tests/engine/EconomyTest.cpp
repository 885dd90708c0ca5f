#include "support/GameFixture.h"

#include "core/Numbers.h"
#include "economy/DailyPagerEvents.h"
#include "economy/ItemCatalogue.h"
#include "economy/frmFinance.h"
#include "economy/frmShop.h"

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;

class Economy : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    // Cash, debt, bank, forwarding and holding accounts, favour server and reward.
    Lines money() const
    {
        const kx::GameState& s = game.state;
        Lines texts;
        for (float value : {s.Funds, s.Debt, s.BankFunds, s.Items[1], s.Items[2], s.FavourServer,
                            s.FavourReward})
            texts.push_back(kx::NumberText(value));
        return texts;
    }
    // Each message shown begins with its expected text, and no other came.
    void expectMessages(const Lines& beginnings, const std::string& what)
    {
        const Lines shown = platform.messageTexts();
        EXPECT_EQ(shown.size(), beginnings.size()) << what;
        for (std::size_t i = 0; i < std::min(shown.size(), beginnings.size()); ++i)
            EXPECT_TRUE(shown[i].starts_with(beginnings[i])) << what << ": " << shown[i];
    }
};

// Each action asks until it gets money, a cancel or "0", then keeps to its
// limits.  Below zero or beyond a double is no amount.
TEST_F(Economy, FinancesKeepToTheirLimits)
{
    enum Action { Pay = 1, Borrow, Deposit, Withdraw };
    const struct {
        Action action;
        float funds, debt, bank, holders;
        Lines typed; // "" cancels
        std::string proposed; // the first box's default text
        Lines told;
        float fundsAfter, debtAfter, bankAfter;
    } rows[] = {
        {Pay, 4000, 4000, 0, 1, {"4000"}, "4000", {}, 0, 0, 0},
        {Pay, 0, 4000, 0, 1, {"0"}, "0", {}, 0, 4000, 0},
        {Pay, 2000, 4000, 0, 1, {"2000.01"}, "2000", {"You can't pay that much."}, 2000, 4000, 0},
        {Pay, 5000, 1000, 0, 1, {"3000"}, "1000", {"Your debt isn't that high.  You're entire debt will "
         "be removed and you will keep the remainder of the money."}, 4000, 0, 0},
        {Pay, 2000, 4000, 0, 1, {"abc", "-100", "1e3", "$1,500"}, "2000", {}, 500, 2500, 0},
        {Borrow, 2000, 9000, 0, 1, {"1000"}, "1000", {"Ok, I'll do it.  Interest is 10% per day."}, 3000, 10000, 0},
        {Borrow, 2000, 9000, 0, 1, {"1000.5"}, "1000", {"No way man, you're too far in debt for that "
         "kinda money."}, 2000, 9000, 0},
        {Borrow, 2500, 0, 0, 1, {"1,000"}, "1000", {"Ok, I'll do it."}, 3500, 1000, 0},
        {Borrow, 2500.01f, 0, 0, 1, {"100"}, "1000", {"You can afford to lose some money right now.  Go "
         "away."}, 2500.01f, 0, 0},
        {Borrow, 2000, 0, 0, 1, {"0"}, "1000", {}, 2000, 0, 0},
        {Deposit, 2000, 0, 0, 0, {}, "", {"You don't have any holding bank accounts."}, 2000, 0, 0},
        {Deposit, 1500, 0, 500, 1, {"1500"}, "", {"You're money has been stored safely and cannot be "
         "touched by anyone but you."}, 0, 0, 2000},
        {Deposit, 2000, 0, 500, 1, {"1500.01"}, "", {"Sorry, you don't have enough room in your "
         "accounts deposit this much."}, 2000, 0, 500},
        {Deposit, 100, 0, 0, 2, {"100.01"}, "", {"You need more money first."}, 100, 0, 0},
        {Deposit, 100, 0, 0, 2, {"-1000000", std::string(400, '9'), "-0", "$ 5", ""}, "", {}, 100, 0, 0},
        // Money the player reads, or is proposed, and types back is the very amount held.
        {Deposit, 100.1f, 0, 0, 1, {"100.1"}, "", {"You're money has been stored"}, 0, 0, 100.1f},
        {Withdraw, 0, 0, 1234.5677f, 1, {"1234.5677"}, "", {}, 1234.5677f, 0, 0},
        {Pay, 9.85e-5f, 4000, 0, 1, {"0.0000985"}, "0.0000985", {}, 0, 4000, 0},
        {Pay, 2e7f, 1.5e7f, 0, 1, {"15000000"}, "15000000", {}, 5e6f, 0, 0},
        {Pay, -5, 4000, 0, 1, {"0"}, "0", {}, -5, 4000, 0},
        {Withdraw, 0, 0, 0, -1, {}, "", {"You don't have any holding bank accounts."}, 0, 0, 0},
        {Withdraw, 0, 0, 3000, 1, {"3000.5"}, "", {"You don't have that much in the bank."}, 0, 0, 3000},
        {Withdraw, 0, 0, 3000, 1, {"x", "3,000"}, "", {}, 3000, 0, 0}};
    using Click = void (kx::frmFinance::*)();
    const Click clicks[] = {nullptr, &kx::frmFinance::Command1_Click, &kx::frmFinance::Command2_Click,
                            &kx::frmFinance::Command3_Click, &kx::frmFinance::Command4_Click};
    for (const auto& row : rows) {
        state().Funds = row.funds, state().Debt = row.debt, state().BankFunds = row.bank;
        state().Items[2] = row.holders;
        platform.clearRecords();
        platform.inputAnswers.assign(row.typed.begin(), row.typed.end());
        kx::frmFinance& finance = game.load<kx::frmFinance>();
        run([&] { (finance.*clicks[row.action])(); });
        const std::string what = std::to_string(row.action) + " " + (row.typed.empty() ? "" : row.typed.back());
        EXPECT_EQ(platform.inputs.size(), row.typed.size()) << what;
        EXPECT_EQ(platform.inputs.empty() ? "" : platform.inputs[0].defaultText, row.proposed) << what;
        expectMessages(row.told, what);
        EXPECT_EQ(money(), (Lines{kx::NumberText(row.fundsAfter), kx::NumberText(row.debtAfter),
                                  kx::NumberText(row.bankAfter), "2", kx::NumberText(row.holders), "0", "0"}))
            << what;
    }
    EXPECT_EQ(platform.inputs.back().prompt, "Please enter an amount to withdraw.  You currently have "
                                             "$3,000 in your bank accounts.");
}

// Each item takes its share of a draw from 1 to 200 and is priced within a
// tenth of its base price either way.
TEST_F(Economy, TheCatalogueDrawsAndPricesEachItemInItsRange)
{
    const struct { int firstDraw, lastDraw, cheapest, dearest; } items[] = {
        {1, 25, 45, 55}, {26, 50, 45, 55}, {51, 60, 270, 330}, {61, 70, 585, 715},
        {71, 100, 68, 82}, {101, 120, 140, 170}, {121, 125, 2700, 3300}, {126, 140, 1125, 1375},
        {141, 155, 117, 143}, {156, 170, 684, 836}, {171, 200, 360, 440}};
    for (int n = 1; n <= kx::kCatalogueItems; ++n) {
        const auto& item = items[n - 1];
        random.pushLowest(10, 2);
        random.pushLowest(200, item.firstDraw);
        random.pushHighest(200, item.lastDraw);
        for (auto [up, u] : {std::pair{2, 0.99999994f}, {1, 0.99999994f}}) {
            random.pushRandom(2, up);
            random.push(u);
        }
        kx::StockShop(game);
        const auto& drawn = state().ItemCatalogue;
        ASSERT_EQ(drawn.size(), 2u);
        EXPECT_EQ(drawn[0].Number + drawn[1].Number, 2 * n) << kx::ItemName(n);
        EXPECT_EQ(kx::QuotePrice(game, static_cast<float>(n)), item.cheapest) << kx::ItemName(n);
        EXPECT_EQ(kx::QuotePrice(game, static_cast<float>(n)), item.dearest) << kx::ItemName(n);
    }
    EXPECT_EQ(kx::ItemNumber(state(), "tip", true), std::nullopt) << "names match exactly";
}

// Opened for a player who owns nothing, with Forwarding Bank Account drawn
// three times (priced 55, 45, then 53) and a tip at 400.
TEST_F(Economy, TheShopBuysAndSellsAtThisVisitsPrices)
{
    for (auto [n, k] : std::vector<std::pair<int, int>>{{10, 4}, {200, 1}, {200, 25}, {200, 13}, {200, 171}})
        random.pushRandom(n, k);
    for (auto [up, u] : {std::pair{1, 0.99999994f}, {2, 0.99999994f}, {1, 0.5f}, {1, 0.0f}}) {
        random.pushRandom(2, up);
        random.push(u);
    }
    state().Items = {};
    run([&] { game.load<kx::frmShop>(); });
    kx::frmShop& shop = window<kx::frmShop>();
    const auto shown = [&] {
        Lines texts{shop.Label2.Caption, shop.Label3.Caption, shop.Label4.Caption, shop.Label6.Caption, "|"};
        for (const kx::ListView* list : {&shop.ListView1, &shop.ListView2})
            for (const auto& item : list->items)
                texts.push_back(item.text + " " + std::to_string(item.Icon));
        return texts;
    };
    const Lines opened{"Name:  Forwarding Bank Account", "Amount:  3", "Sale Price:  53", "Name:", "|",
                       "Forwarding Bank Account 2", "Tip 12"};
    EXPECT_EQ(shown(), opened);
    EXPECT_EQ(FakePlatform::fileOf(shop.Picture1.Picture), "") << "a missing side picture is left out";
    platform.sounds.clear();

    const auto click = [&](void (kx::frmShop::*handler)()) { run([&] { (shop.*handler)(); }); };
    shop.ListView1.selected = 0;
    click(&kx::frmShop::Command1_Click); // nothing selected, nothing bought
    shop.ListView1.selected = 1;
    state().Funds = 53;
    click(&kx::frmShop::Command1_Click);
    state().Funds = 200;
    for (int i = 0; i < 3; ++i)
        click(&kx::frmShop::Command1_Click);
    Lines soldOut = opened;
    soldOut.erase(soldOut.begin() + 5);
    soldOut.push_back("Forwarding Bank Account 2");
    EXPECT_EQ(shown(), soldOut) << "buying leaves the panels as they were";
    state().Funds = 0;
    state().Items[2] = 1;
    click(&kx::frmShop::Command2_Click); // no cash needed, and what it sold out of it buys back
    EXPECT_EQ(money(), (Lines{"53", "4000", "0", "2", "1", "0", "0"}));
    EXPECT_EQ(shop.ListView1.items.size(), 2u) << "back in stock";
    run([&] { shop.ListView2_ItemClick(2); });
    click(&kx::frmShop::Command2_Click);
    EXPECT_EQ(shop.Label6.Caption, "Name:  Holding Bank Account");
    const std::string cash = "/kestrix/sounds/cash1.wav", beep = "/kestrix/sounds/beep1.wav";
    EXPECT_EQ(platform.sounds, (Lines{beep, cash, cash, cash, beep, beep})) << "a message beeps too";

    // A tip names a listed server's login, password or both; with nothing
    // listed it is refused and costs nothing.
    state().Funds = 1000;
    run([&] { shop.ListView1_ItemClick(2); });
    listOnly({});
    click(&kx::frmShop::Command1_Click);
    listOnly({7});
    random.push(0.1f); // the login name
    click(&kx::frmShop::Command1_Click);
    const kx::ServerRecord& server = state().Server[7];
    expectMessages({"You don't have enough money to buy that item.",
                    "They are not buying that item at this shop.", "Nobody's worth a tip today.",
                    "Server:  " + server.Name + " --- UserName:  " + server.UserName},
                   "tip");
    EXPECT_EQ(state().Funds, 600);
    run([&] { shop.Label9_Click(); });
    EXPECT_TRUE(state().ItemCatalogue.empty());
}

// Each event forced, with the player's answers and its own draws.  The paged
// server is Heron Freight, login Rook and swordfish, vulnerability 4.
struct EventRow {
    int k;
    float funds = 2000, debt = 4000, forwarding = 2, holding = 1;
    std::vector<int> presses{};
    int drawn = 0; // Random(500) gives it
    std::int16_t vulnerability = 4;
    Lines told{}; // each message's beginning
    Lines after{}; // as money() tells it; empty: unchanged
    bool shop = false;
};

const std::string lent = "Hey, it's Tavrik, want the login name and password to Heron Freight for 200 bucks?";
const std::string login = "The user name is: Rook-----The password is: swordfish.  You're welcome ;]  -Tavrik";
const std::string favour = "Hey, I need the user name and password to Heron Freight,  wanna do it for ";

const EventRow kEventRows[] = {
    {.k = 1, .presses = {Yes}, .told = {lent, login}, .after = {"1800", "4000", "0", "2", "1", "0", "0"}},
    {.k = 1, .funds = 100, .presses = {Yes, Okay, Okay, No}, .told = {lent, login,
     "You don't have enough money!  Game Over.", "Would you like to start a new game?"},
     .after = {"-100", "4000", "0", "2", "1", "0", "0"}},
    {.k = 1, .presses = {No}, .told = {lent}},
    {.k = 2, .told = {"i was trying to hack into heron freight this morning.  here's the user name "
     "for free:  Rook    -xero"}},
    {.k = 3, .told = {"You've earned 250 dollars on "}, .after = {"2250", "4000", "0", "2", "1", "0", "0"}},
    {.k = 4, .forwarding = 0, .presses = {Yes}, .told = {"Hey,  I'm in some trouble and can't call"},
     .after = {"2500", "4000", "0", "-1", "1", "0", "0"}},
    {.k = 5, .funds = 50, .presses = {Yes}, .told = {"i'll sell you a forwarding bank account for 50 "
     "dollars.  whattaya say?     -xero"}, .after = {"0", "4000", "0", "3", "1", "0", "0"}},
    {.k = 5, .funds = 49.99f, .presses = {Yes}, .told = {"i'll sell", "idiot, you don't even have 50 "
     "bucks man!"}},
    {.k = 6, .presses = {Yes}, .drawn = 99, .told = {"Can I borrow your bank account for a day, I'll pay "
     "you the interest I get :]  -Tavrik", "Thanks a lot.  The interest is only $99 tho.  Not my "
     "fault..."}, .after = {"2099", "4000", "0", "2", "1", "0", "0"}},
    {.k = 6, .presses = {Yes}, .drawn = 100, .told = {"Can I", "Thanks a lot.  The interest is $100!  "
     "Boy, you got lucky."}, .after = {"2100", "4000", "0", "2", "1", "0", "0"}},
    {.k = 7, .told = {"i tell you, the workers at heron freight suck.  they keep changing the log in "
     "names, but not the passwords.  they're taunting me!  anyways, one of the names begins with a "
     "'R' and it's password is swordfish.     -xero"}},
    {.k = 8, .holding = 0, .presses = {Yes}, .told = {"I'll pay off your debt for one holder!  I need "
     "one really bad!   -Crass", "Why don't you get a holder first?!"}},
    {.k = 8, .debt = 10000, .presses = {Yes}, .told = {"I'll pay"}, .after = {"2000", "0", "0", "2", "0", "0", "0"}},
    {.k = 8, .debt = 10000.5f, .presses = {Yes}, .told = {"I'll pay", "$10,000.5!!!  No way man, forget "
     "about it."}},
    {.k = 9, .told = {"wassup!!    -spitfire"}},
    {.k = 10, .told = {"you have recieved a check from spitfire for $1,000 for being a good friend :]"},
     .after = {"3000", "4000", "0", "2", "1", "0", "0"}},
    {.k = 11, .presses = {Yes}, .drawn = 1, .vulnerability = 10, .told = {favour + "101 bucks?",
     "Alright man, good luck.  Remember - Username AND password for Heron Freight or nothing."},
     .after = {"2000", "4000", "0", "2", "1", "7", "101"}},
    {.k = 11, .presses = {No}, .drawn = 500, .vulnerability = 1, .told = {favour + "1,500 bucks?"}},
    {.k = 12}, {.k = 13}, {.k = 16}, {.k = 20},
    {.k = 14, .funds = 200, .presses = {Yes}, .told = {"**Special Deal**- 5 Forwarding Bank Accounts "
     "for only $200!  Would you like to buy them?", "Try getting some cash first."}},
    {.k = 14, .funds = 200.5f, .presses = {Yes}, .told = {"**Special"},
     .after = {"0.5", "4000", "0", "7", "1", "0", "0"}},
    {.k = 15, .told = {"I'm bored.  Let's hack into something...   -Tavrik"}},
    {.k = 21, .shop = true}, {.k = 25, .shop = true}};

class DailyEvent : public Economy, public ::testing::WithParamInterface<EventRow> {};

TEST_P(DailyEvent, TellsAndMovesMoneyAsAnswered)
{
    const EventRow& row = GetParam();
    state().Server[7].Name = "Heron Freight";
    listOnly({7});
    Lines captions;
    platform.whilePagerShows = [&](kx::frmPager& pager) { captions.push_back(pager.Command1.Caption); };
    state().Funds = row.funds, state().Debt = row.debt;
    state().Items[1] = row.forwarding, state().Items[2] = row.holding;
    kx::ServerRecord& server = state().Server[7];
    server.Vulnerability = row.vulnerability, server.UserName = "Rook", server.Password = "swordfish";
    const Lines before = money();
    platform.clearRecords();
    platform.pagerPresses.assign(row.presses.begin(), row.presses.end());
    random.pushRandom(25, row.k);
    random.pushRandom(1, 1);
    if (row.drawn)
        random.pushRandom(500, row.drawn);
    run([&] { kx::DailyPagerEvents(game); });
    const std::string what = "event " + std::to_string(row.k);
    expectMessages(row.told, what);
    EXPECT_EQ(captions, Lines(row.told.size(), row.k == 9 ? "Ummm..." : "Okay")) << what;
    EXPECT_EQ(money(), row.after.empty() ? before : row.after) << what;
    EXPECT_EQ(game.find<kx::frmShop>() != nullptr, row.shop) << what;
    if (kx::frmShop* shop = game.find<kx::frmShop>())
        game.unload(*shop);
}

INSTANTIATE_TEST_SUITE_P(Economy, DailyEvent, ::testing::ValuesIn(kEventRows),
                         [](const ::testing::TestParamInfo<EventRow>& info) {
                             return "event" + std::to_string(info.param.k) + "_" + std::to_string(info.index);
                         });

// The events close every new day's list.
TEST_F(Economy, TheEventsCloseEveryNewDaysList)
{
    for (int i = 0; i < kx::kWorldSize * 9; ++i)
        random.push(i == 800 + 6 ? 0.0f : 0.5f); // 8 draws a server, then server 7 alone is listed
    random.pushRandom(25, 10);
    run([&] { game.FillServerList(); });
    EXPECT_EQ(state().Funds, 3000);
}

// A new game started while a finance box or a day's question waits for the
// player leaves no window and no change of the old game behind.
TEST_F(Economy, ANewGameInTheMiddleLeavesNothingBehind)
{
    for (bool inFinances : {true, false}) {
        listOnly({7});
        run([&] { game.load<kx::frmShop>(); });
        state().Funds = 5000;
        const auto restart = [&] {
            platform.whileInputShows = nullptr;
            platform.whilePagerShows = nullptr;
            platform.inputAnswers = {"trinity", "100"}; // the alias, then the box that was up
            run([&] { game.RestartGame(); });
        };
        platform.whileInputShows = [&](const InputRequest&) { restart(); };
        platform.whilePagerShows = [&](kx::frmPager&) { restart(); };
        if (!inFinances)
            random.pushRandom(25, 1); // Tavrik asks
        run([&] { inFinances ? game.load<kx::frmFinance>().Command2_Click() : kx::DailyPagerEvents(game); });
        EXPECT_EQ(state().Alias, "trinity");
        EXPECT_EQ(money(), (Lines{"2000", "4000", "0", "2", "1", "0", "0"}));
        EXPECT_EQ(game.find<kx::frmShop>(), nullptr);
        EXPECT_EQ(game.find<kx::frmFinance>(), nullptr);
        EXPECT_TRUE(state().ItemCatalogue.empty());
    }
}

} // namespace
} // namespace kxtest
