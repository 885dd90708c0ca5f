#include "support/GameFixture.h"

#include "core/Numbers.h"

#include "economy/DailyPagerEvents.h"
#include "economy/ItemCatalogue.h"
#include "economy/frmFinance.h"
#include "economy/frmShop.h"

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;
using Draws = std::vector<std::pair<int, int>>; // Random(n) gives k, in order

class Economy : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    void set(float funds, float debt, float bank, float holders)
    {
        state().Funds = funds, state().Debt = debt, state().BankFunds = bank, state().Items[2] = holders;
        platform.clearRecords();
    }
    Lines money() const
    {
        const kx::GameState& s = game.state;
        return {kx::NumberText(s.Funds), kx::NumberText(s.Debt), kx::NumberText(s.BankFunds),
                kx::NumberText(s.Items[1]), kx::NumberText(s.Items[2])};
    }
};

// Each action asks until it gets an amount of money, a cancel or "0", then
// keeps to its limits.  Below zero or beyond a double is not an amount.
TEST_F(Economy, FinancesKeepToTheirLimits)
{
    enum Action { Pay = 1, Borrow, Deposit, Withdraw };
    const char* const cantPay = "You can't pay that much.";
    const char* const tooFar = "No way man, you're too far in debt for that kinda money.";
    const char* const tooRich = "You can afford to lose some money right now.  Go away.";
    const char* const lent = "Ok, I'll do it.  Interest is 10% per day.";
    const char* const noRoom = "Sorry, you don't have enough room in your accounts deposit this much.";
    const char* const stored = "You're money has been stored safely and cannot be touched by anyone but you.";
    const struct {
        Action action;
        float funds, debt, bank, holders;
        Lines typed; // "" cancels
        std::string proposed; // the first box's default text
        Lines told; // funds, debt, bank afterwards:
        float fundsAfter, debtAfter, bankAfter;
    } rows[] = {
        {Pay, 5000, 4000, 0, 1, {"4000"}, "4000", {}, 1000, 0, 0},
        {Pay, 0, 4000, 0, 1, {"0"}, "0", {}, 0, 4000, 0},
        {Pay, 2000, 4000, 0, 1, {"2000.01"}, "2000", {cantPay}, 2000, 4000, 0},
        {Pay, 5000, 1000, 0, 1, {"3000"}, "1000", {"Your debt isn't that high.  You're entire debt will be "
         "removed and you will keep the remainder of the money."}, 4000, 0, 0},
        {Pay, 2000, 4000, 0, 1, {"abc", "-100", "1e3", "$1,500"}, "2000", {}, 500, 2500, 0},
        {Borrow, 2000, 9000, 0, 1, {"1000"}, "1000", {lent}, 3000, 10000, 0},
        {Borrow, 2000, 9000, 0, 1, {"1000.5"}, "1000", {tooFar}, 2000, 9000, 0},
        {Borrow, 2500, 0, 0, 1, {"1,000"}, "1000", {lent}, 3500, 1000, 0},
        {Borrow, 2500.01f, 0, 0, 1, {"100"}, "1000", {tooRich}, 2500.01f, 0, 0},
        {Borrow, 2000, 0, 0, 1, {""}, "1000", {}, 2000, 0, 0},
        {Deposit, 2000, 0, 0, 0, {}, "", {"You don't have any holding bank accounts."}, 2000, 0, 0},
        {Deposit, 2000, 0, 500, 1, {"1500"}, "", {stored}, 500, 0, 2000},
        {Deposit, 2000, 0, 500, 1, {"1500.01"}, "", {noRoom}, 2000, 0, 500},
        {Deposit, 100, 0, 0, 2, {"100.01"}, "", {"You need more money first."}, 100, 0, 0},
        {Deposit, 100, 0, 0, 2, {"-1000000", std::string(400, '9'), "-0", "$ 5", ""}, "", {}, 100, 0, 0},
        {Withdraw, 0, 0, 0, -1, {}, "", {"You don't have any holding bank accounts."}, 0, 0, 0},
        {Withdraw, 0, 0, 3000, 1, {"3000.5"}, "", {"You don't have that much in the bank."}, 0, 0, 3000},
        {Withdraw, 0, 0, 3000, 1, {"x", "3,000"}, "", {}, 3000, 0, 0}};
    using Click = void (kx::frmFinance::*)();
    const Click clicks[] = {nullptr, &kx::frmFinance::Command1_Click, &kx::frmFinance::Command2_Click,
                            &kx::frmFinance::Command3_Click, &kx::frmFinance::Command4_Click};
    for (const auto& row : rows) {
        set(row.funds, row.debt, row.bank, row.holders);
        platform.inputAnswers.assign(row.typed.begin(), row.typed.end());
        kx::frmFinance& finance = game.load<kx::frmFinance>();
        run([&] { (finance.*clicks[row.action])(); });
        const std::string what = "action " + std::to_string(row.action) + " " +
                                 (row.typed.empty() ? "" : row.typed.back());
        EXPECT_EQ(platform.inputs.size(), row.typed.size()) << what;
        if (!row.typed.empty()) {
            EXPECT_EQ(platform.inputs[0].defaultText, row.proposed) << what;
        }
        EXPECT_EQ(platform.messageTexts(), row.told) << what;
        EXPECT_EQ(money(), (Lines{kx::NumberText(row.fundsAfter), kx::NumberText(row.debtAfter),
                                  kx::NumberText(row.bankAfter), "2", kx::NumberText(row.holders)}))
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
        random.pushRandom(10, 2);
        random.pushLowest(200, item.firstDraw);
        random.pushHighest(200, item.lastDraw);
        kx::StockShop(game);
        const auto& drawn = state().ItemCatalogue;
        ASSERT_EQ(drawn.size(), 2u);
        EXPECT_EQ(drawn[0].Number + drawn[1].Number, 2 * n) << kx::ItemName(n);
        EXPECT_EQ(kx::ItemNumber(state(), kx::ItemName(n)), n);
        EXPECT_EQ(kx::ItemPicture(kx::ItemName(n)), n + 1);
        random.pushRandom(2, 2);
        random.push(0.99999994f);
        EXPECT_EQ(kx::QuotePrice(game, static_cast<float>(n)), item.cheapest) << kx::ItemName(n);
        random.pushRandom(2, 1);
        random.push(0.99999994f);
        EXPECT_EQ(kx::QuotePrice(game, static_cast<float>(n)), item.dearest) << kx::ItemName(n);
    }
    EXPECT_EQ(kx::ItemName(12), "");
    EXPECT_EQ(kx::ItemNumber(state(), "tip", true), std::nullopt) << "names match exactly";
    EXPECT_EQ(kx::ItemNumber(state(), "Holding Bank Account"), std::nullopt) << "not in stock";
}

// Opened with Forwarding Bank Account drawn three times (priced 55, 45, then
// 53) and a tip at 400; the player has 2 forwarding and 1 holding account.
TEST_F(Economy, TheShopBuysAndSellsAtThisVisitsPrices)
{
    const auto open = [&] {
        for (auto [n, k] : Draws{{10, 4}, {200, 1}, {200, 25}, {200, 13}, {200, 171}})
            random.pushRandom(n, k);
        for (auto [up, u] : {std::pair{1, 0.99999994f}, {2, 0.99999994f}, {1, 0.5f}, {1, 0.0f}}) {
            random.pushRandom(2, up);
            random.push(u);
        }
        run([&] { game.load<kx::frmShop>(); });
        return &window<kx::frmShop>();
    };
    listOnly({7});
    kx::frmShop* shop = open();
    const auto names = [](const kx::ListView& list) {
        Lines texts;
        for (const auto& item : list.items)
            texts.push_back(item.text + " " + std::to_string(item.Icon));
        return texts;
    };
    EXPECT_EQ(names(shop->ListView1), (Lines{"Forwarding Bank Account 2", "Tip 12"}));
    EXPECT_EQ(names(shop->ListView2), (Lines{"Forwarding Bank Account 2", "Holding Bank Account 3"}));
    const auto panels = [&] {
        return Lines{shop->Label2.Caption, shop->Label3.Caption, shop->Label4.Caption,
                     shop->Label6.Caption, shop->Label7.Caption};
    };
    const Lines opened{"Name:  Forwarding Bank Account", "Amount:  3", "Sale Price:  53",
                       "Name:  Forwarding Bank Account", "Amount:  2"};
    EXPECT_EQ(panels(), opened);
    EXPECT_EQ(shop->Picture1.Picture, "") << "a missing side picture is left out";
    platform.sounds.clear();

    const auto buy = [&] { run([&] { shop->Command1_Click(); }); };
    const auto sell = [&] { run([&] { shop->Command2_Click(); }); };
    state().Funds = 53;
    buy();
    state().Funds = 200;
    for (int i = 0; i < 3; ++i)
        buy();
    EXPECT_EQ(panels(), opened) << "buying leaves the panels as they were";
    EXPECT_EQ(names(shop->ListView1), (Lines{"Tip 12"}));
    state().Funds = 0;
    sell(); // selling needs no cash, and the shop buys back what it sold out of
    EXPECT_EQ(money(), (Lines{"53", "4000", "0", "4", "1"}));
    EXPECT_EQ(names(shop->ListView1), (Lines{"Forwarding Bank Account 2", "Tip 12"}));
    run([&] { shop->ListView2_ItemClick(2); });
    sell();
    EXPECT_EQ(shop->Label6.Caption, "Name:  Holding Bank Account");
    const std::string cash = "/kestrix/sounds/cash1.wav", beep = "/kestrix/sounds/beep1.wav";
    EXPECT_EQ(platform.sounds, (Lines{beep, cash, cash, cash, beep, beep})) << "a message beeps too";

    // The tip names a listed server's login, password or both; with nothing
    // listed it is refused and costs nothing.
    state().Funds = 1000;
    run([&] { shop->ListView1_ItemClick(2); });
    random.push(0.9f); // both
    random.pushRandom(1, 1);
    buy();
    const kx::ServerRecord& server = state().Server[7];
    listOnly({});
    state().Funds = 1000;
    shop = open();
    shop->ListView1.selected = 2;
    buy();
    shop->ListView1.selected = 0;
    buy();
    EXPECT_EQ(platform.messageTexts(),
              (Lines{"You don't have enough money to buy that item.",
                     "They are not buying that item at this shop.",
                     "Server:  " + server.Name + " --- UserName:  " + server.UserName +
                         " --- UserPass:  " + server.Password,
                     "Nobody's worth a tip today.  Keep your money."}));
    EXPECT_EQ(state().Funds, 1000);

    // Owning nothing, the player still shops; closing forgets the assortment.
    state().Items = {};
    shop = open();
    EXPECT_EQ(shop->Label6.Caption, "Name:");
    run([&] { shop->Label9_Click(); });
    EXPECT_TRUE(state().ItemCatalogue.empty());
    EXPECT_EQ(state().ShopStock[1] + state().ItemPrice[1], 0);
}

// Each event forced, with the player's answers and its own draws: what the
// pager says and what changes.  The paged server is Heron Freight, login Rook
// and swordfish, vulnerability 4.
TEST_F(Economy, EachDayBringsOneOfTwentyFiveEvents)
{
    const std::string heron = "Heron Freight", lent = "Hey, it's Tavrik, want the login name and "
                                                     "password to Heron Freight for 200 bucks?";
    const std::string holder = "I'll pay off your debt for one holder!  I need one really bad!   -Crass";
    const std::string favour = "Hey, I need the user name and password to Heron Freight,  wanna do it for ";
    const std::string sell = "i'll sell you a forwarding bank account for 50 dollars.  whattaya say?     -xero";
    const std::string deal = "**Special Deal**- 5 Forwarding Bank Accounts for only $200!  Would you like to buy them?";
    const std::string borrow = "Can I borrow your bank account for a day, I'll pay you the interest I get :]  -Tavrik";
    const struct {
        int k;
        float funds = 2000, debt = 4000, forwarding = 2, holding = 1;
        std::vector<int> presses{};
        Draws draws{};
        std::int16_t vulnerability = 4;
        Lines told{};
        Lines after{}; // funds, debt, forwarding, holding, favour server and reward; empty: unchanged
        bool shop = false;
    } rows[] = {
        {.k = 1, .presses = {Yes}, .told = {lent, "The user name is: Rook-----The password is: swordfish.  "
         "You're welcome ;]  -Tavrik"}, .after = {"1800", "4000", "2", "1", "0", "0"}},
        {.k = 1, .funds = 100, .presses = {Yes, Okay, Okay, No}, .told = {lent, "The user name is: Rook"
         "-----The password is: swordfish.  You're welcome ;]  -Tavrik", "You don't have enough money!  "
         "Game Over.", "Would you like to start a new game?"}, .after = {"-100", "4000", "2", "1", "0", "0"}},
        {.k = 1, .presses = {No}, .told = {lent}},
        {.k = 2, .told = {"i was trying to hack into heron freight this morning.  here's the user name "
         "for free:  Rook    -xero"}},
        {.k = 3, .told = {"You've earned 250 dollars on GlanceBucks.net!  loser."},
         .after = {"2250", "4000", "2", "1", "0", "0"}},
        {.k = 4, .forwarding = 0, .presses = {Yes}, .told = {"Hey,  I'm in some trouble and can't call or go "
         "to the bank.  Can you give me a forwarding bank account?  I'll give you 500 dollars for one.  "
         "-Tavrik"}, .after = {"2500", "4000", "-1", "1", "0", "0"}},
        {.k = 5, .funds = 50, .presses = {Yes}, .told = {sell}, .after = {"0", "4000", "3", "1", "0", "0"}},
        {.k = 5, .funds = 49.99f, .presses = {Yes}, .told = {sell, "idiot, you don't even have 50 bucks man!"}},
        {.k = 6, .presses = {Yes}, .draws = {{500, 99}}, .told = {borrow, "Thanks a lot.  The interest is "
         "only $99 tho.  Not my fault..."}, .after = {"2099", "4000", "2", "1", "0", "0"}},
        {.k = 6, .presses = {Yes}, .draws = {{500, 100}}, .told = {borrow, "Thanks a lot.  The interest is "
         "$100!  Boy, you got lucky."}, .after = {"2100", "4000", "2", "1", "0", "0"}},
        {.k = 7, .told = {"i tell you, the workers at heron freight suck.  they keep changing the log in "
         "names, but not the passwords.  they're taunting me!  anyways, one of the names begins with a "
         "'R' and it's password is swordfish.     -xero"}},
        {.k = 8, .holding = 0, .presses = {Yes}, .told = {holder, "Why don't you get a holder first?!"}},
        {.k = 8, .debt = 10000, .presses = {Yes}, .told = {holder}, .after = {"2000", "0", "2", "0", "0", "0"}},
        {.k = 8, .debt = 10000.5f, .presses = {Yes}, .told = {holder, "$10,000.5!!!  No way man, forget "
         "about it."}},
        {.k = 9, .told = {"wassup!!    -spitfire"}},
        {.k = 10, .told = {"you have recieved a check from spitfire for $1,000 for being a good friend :]"},
         .after = {"3000", "4000", "2", "1", "0", "0"}},
        {.k = 11, .presses = {Yes}, .draws = {{500, 1}}, .vulnerability = 10, .told = {favour + "101 bucks?",
         "Alright man, good luck.  Remember - Username AND password for Heron Freight or nothing."},
         .after = {"2000", "4000", "2", "1", "7", "101"}},
        {.k = 11, .presses = {No}, .draws = {{500, 500}}, .vulnerability = 1, .told = {favour + "1,500 bucks?"}},
        {.k = 12}, {.k = 13}, {.k = 16}, {.k = 20},
        {.k = 14, .funds = 200, .presses = {Yes}, .told = {deal, "Try getting some cash first."}},
        {.k = 14, .funds = 200.5f, .presses = {Yes}, .told = {deal}, .after = {"0.5", "4000", "7", "1", "0", "0"}},
        {.k = 15, .told = {"I'm bored.  Let's hack into something...   -Tavrik"}},
        {.k = 21, .shop = true}, {.k = 25, .shop = true}};
    const auto now = [&] {
        const kx::GameState& s = state();
        return Lines{kx::NumberText(s.Funds), kx::NumberText(s.Debt), kx::NumberText(s.Items[1]),
                     kx::NumberText(s.Items[2]), kx::NumberText(s.FavourServer),
                     kx::NumberText(s.FavourReward)};
    };
    state().Server[7].Name = heron;
    listOnly({7});
    const std::string okay = "Okay";
    Lines captions;
    platform.whilePagerShows = [&](kx::frmPager& pager) { captions.push_back(pager.Command1.Caption); };
    for (const auto& row : rows) {
        state().Funds = row.funds, state().Debt = row.debt;
        state().Items[1] = row.forwarding, state().Items[2] = row.holding;
        kx::ServerRecord& server = state().Server[7];
        server.Vulnerability = row.vulnerability;
        server.UserName = "Rook", server.Password = "swordfish";
        const Lines before = now();
        platform.clearRecords();
        captions.clear();
        platform.pagerPresses.assign(row.presses.begin(), row.presses.end());
        random.pushRandom(25, row.k);
        random.pushRandom(1, 1);
        for (auto [n, k] : row.draws)
            random.pushRandom(n, k);
        run([&] { kx::DailyPagerEvents(game); });
        const std::string what = "event " + std::to_string(row.k);
        EXPECT_EQ(platform.messageTexts(), row.told) << what;
        EXPECT_EQ(captions, Lines(row.told.size(), row.k == 9 ? "Ummm..." : okay)) << what;
        EXPECT_EQ(now(), row.after.empty() ? before : row.after) << what;
        EXPECT_EQ(game.find<kx::frmShop>() != nullptr, row.shop) << what;
        if (kx::frmShop* shop = game.find<kx::frmShop>())
            game.unload(*shop);
        state().FavourServer = state().FavourReward = 0;
    }
    // The events close every new day's list.
    for (int i = 0; i < kx::kWorldSize * 8; ++i)
        random.push(0.5f);
    for (int slot = 1; slot <= kx::kWorldSize; ++slot)
        random.push(slot == 7 ? 0.0f : 0.9f);
    random.pushRandom(25, 10);
    run([&] { game.FillServerList(); });
    EXPECT_EQ(state().Funds, 3000);
}

// A new game started while a finance box, a day's message or the shop's tip
// waits for the player leaves no window and no change of the old game behind.
TEST_F(Economy, ANewGameInTheMiddleLeavesNothingBehind)
{
    enum Waiting { FinanceBox, EventQuestion, TipMessage };
    for (Waiting waiting : {FinanceBox, EventQuestion, TipMessage}) {
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
        if (waiting == FinanceBox)
            run([&] { game.load<kx::frmFinance>().Command2_Click(); });
        if (waiting == EventQuestion) {
            random.pushRandom(25, 1);
            run([&] { kx::DailyPagerEvents(game); });
        }
        if (waiting == TipMessage) {
            kx::frmShop& shop = window<kx::frmShop>();
            state().ShopStock[kx::kTip] = 1, state().ItemPrice[kx::kTip] = 400;
            shop.ListView1.items = {{"", "Tip", {}, 12}};
            state().ItemCatalogue = {{"Tip", kx::kTip}};
            shop.ListView1.selected = 1;
            run([&] { shop.Command1_Click(); });
        }
        EXPECT_EQ(state().Alias, "trinity") << waiting;
        EXPECT_EQ(money(), (Lines{"2000", "4000", "0", "2", "1"})) << waiting;
        EXPECT_EQ(game.find<kx::frmShop>(), nullptr) << waiting;
        EXPECT_EQ(game.find<kx::frmFinance>(), nullptr) << waiting;
        EXPECT_TRUE(state().ItemCatalogue.empty()) << waiting;
    }
}

} // namespace
} // namespace kxtest
