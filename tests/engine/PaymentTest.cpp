#include "support/TerminalFixture.h"
#include "terminal/frmTerminal.h"

#include "core/Numbers.h"
#include "economy/frmPager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <utility>

namespace kxtest {
namespace {

const std::string kWrongFile =
    "You have been caught, saving to a file that doesn't exist was too suspicious!";
const std::string kDiscovered = "The payment was discovered on it's outgoing path.  ";
const std::string kRemoved = "The forwarding bank accounts were not traced back to you, however "
                             "they must be removed so you don't get caught.";
const std::string kEscaped = "The administrators however, could not detect a connection from any "
                             "outside users.  The file is still in rotation, and your payment "
                             "will arrive!";
const std::string kDeleted = "Luckily, you weren't caught, but you still get no payment because "
                             "the file was deleted.";
const std::string kBailPaid = "Bail payed.  Don't get caught again!";
const std::string kNoBail = "Sorry, you don't have enough cash to make bail.  Game Over.";
const std::string kNewGame = "Would you like to start a new game?";
const std::string kConnectFirst = "Please connect to the server first before using this feature.";

std::string arrived(const std::string& amount)
{
    return "The saved payment database file was not detected.  You're " + amount +
           " dollars have arrived!";
}

std::string arrested(const std::string& bail)
{
    return "The forwarding bank accounts were traced back to your house.  You've been arrested.  "
           "Bail is $" +
           bail + ".  ";
}

// Logged in to a server of Vulnerability 4 (security factor 7) that takes up
// to 1,500 dollars unnoticed, owning ten forwarding accounts.
class Payment : public TerminalFixture {
protected:
    void SetUp() override
    {
        TerminalFixture::SetUp();
        logIn();
        setFiles({{"memo.txt", "m"}, {"Payroll.db", "p", true}, {"hint.txt", "h"}});
        state().Items[1] = 10;
        platform.clearRecords();
    }
};

struct Outcome {
    const char* what;
    std::string line;
    std::vector<std::pair<int, int>> draws; // Random(n) gives k, in order
    std::vector<std::string> messages;
    float funds, owned; // afterwards
    bool dayEnds; // the day passes with interest and the terminal closes
    // The situation before; defaults for most rows.
    int rating = 0; // 0, 200 or 225
    float fundsBefore = 2000, ownedBefore = 10, day = 1;
    std::int16_t vulnerability = 4;
    std::vector<int> presses = {};
    friend std::ostream& operator<<(std::ostream& out, const Outcome& o) { return out << o.what; }
};

class PaymentOutcome : public Payment, public ::testing::WithParamInterface<Outcome> {};

TEST_P(PaymentOutcome, ChangesMoneyAccountsAndDay)
{
    const Outcome& o = GetParam();
    server().Vulnerability = o.vulnerability;
    state().Funds = o.fundsBefore;
    state().Items[1] = o.ownedBefore;
    state().DayCount = o.day;
    // Equipment of 20 a piece in slot 3, 45 in slot 10.
    state().Items[3] = o.rating == 225 ? 0.0f : static_cast<float>(o.rating / 20);
    state().Items[10] = o.rating == 225 ? 5.0f : 0.0f;
    run([&] { game.DrawStatus(); });
    ASSERT_EQ(state().EquipmentRating, o.rating);
    // A 1 is drawn as high as it goes and anything else as low, so the odds are exact.
    for (const auto& [n, k] : o.draws)
        k == 1 ? random.pushHighest(n, k) : random.pushLowest(n, k);
    platform.pagerPresses.assign(o.presses.begin(), o.presses.end());

    type(o.line);

    EXPECT_EQ(platform.messageTexts(), o.messages);
    EXPECT_EQ(random.pending(), 0u) << "every scripted draw was taken";
    EXPECT_EQ(state().Funds, o.funds);
    EXPECT_EQ(state().Items[1], o.owned);
    // An escape moves the day on without interest; the final day ends the game instead.
    const bool escaped = !o.messages.empty() && o.messages.back().ends_with(kEscaped);
    EXPECT_EQ(state().DayCount, o.day + (o.day < kx::kFinalDay && (o.dayEnds || escaped)));
    EXPECT_FLOAT_EQ(state().Debt, o.dayEnds ? 4400 : 4000);
    EXPECT_EQ(game.find<kx::frmTerminal>() == nullptr, o.dayEnds);
    EXPECT_EQ(state().Disconnected, o.dayEnds);
    if (o.day < kx::kFinalDay) {
        EXPECT_EQ(rara().Label9.Caption, "$" + kx::FormatAmount(kx::RoundHalfUpWhole(o.funds)));
    }
    if (!o.dayEnds && o.line.starts_with("write memo")) {
        EXPECT_EQ(said().back(), "Error.  File does not exist");
    }
}

// Over the limit with fewer accounts than the security factor (7), caught.
Outcome overLimit(const char* what, std::string line, int rating, std::vector<std::string> messages,
                  float funds, bool dayEnds)
{
    return {what, std::move(line), {{20, 10}}, std::move(messages), funds, 10, dayEnds, rating};
}

INSTANTIATE_TEST_SUITE_P(
    Payment, PaymentOutcome,
    ::testing::Values(
        Outcome{"arrives", "write Payroll.db 1200 3", {{100, 2}}, {arrived("1,200")}, 3200, 10,
                true},
        Outcome{"file name in another case, blanks around the accounts",
                "Write PAYROLL.DB 1200  3 ", {{100, 100}}, {arrived("1,200")}, 3200, 10, true},
        Outcome{"exactly the limit is within it", "write Payroll.db 1500 3", {{100, 2}},
                {arrived("1,500")}, 3500, 10, true},
        Outcome{"cents arrive, no accounts", "write Payroll.db 1200.5 0", {{100, 2}},
                {arrived("1,200.5")}, 3200.5f, 10, true},
        Outcome{"arrives on the final day, then the game ends", "write Payroll.db 1200 3",
                {{100, 2}}, {arrived("1,200")}, 3200, 10, false, 0, 2000, 10, 30},
        Outcome{"wrong file, 9 in 10 nothing happens", "write memo.txt 1200 3", {{10, 2}}, {},
                2000, 10, false},
        Outcome{"wrong file caught loses some of the owned accounts", "write memo.txt 1200 3",
                {{10, 1}, {10, 4}, {20, 10}}, {kWrongFile, arrested("700"), kBailPaid}, 1300, 6,
                true},
        // With no account to lose nothing may be drawn for the loss: the bail's draw is next.
        Outcome{"wrong file caught owning no account loses none", "write memo.txt 1200 3",
                {{10, 1}, {20, 10}}, {kWrongFile, arrested("700"), kBailPaid}, 1300, 0, true, 0,
                2000, 0},
        Outcome{"within the limit, caught 1 in 100", "write Payroll.db 1200 3",
                {{100, 1}, {20, 1}}, {arrested("637"), kBailPaid}, 1363, 10, true},
        Outcome{"over the limit through the security factor", "write Payroll.db 2000 7", {},
                {kDiscovered + kRemoved}, 2000, 3, true},
        Outcome{"over the limit through more than owned", "write Payroll.db 2000 9", {},
                {kDiscovered + kRemoved}, 2000, 0, true, 0, 2000, 7},
        overLimit("over the limit one account short", "write Payroll.db 2000 6", 0,
                  {kDiscovered + arrested("700"), kBailPaid}, 1300, true),
        Outcome{"hardest server, four-digit bail", "write Payroll.db 2000 9", {{20, 20}},
                {kDiscovered + arrested("1,100"), kBailPaid}, 900, 10, true, 0, 2000, 10, 1, 1},
        overLimit("escapes just under the limit plus 200", "write Payroll.db 1699 2", 225,
                  {kDiscovered + kEscaped}, 3699, false),
        Outcome{"escapes on the final day without the payment", "write Payroll.db 1600 2",
                {{20, 10}}, {kDiscovered + kEscaped}, 2000, 10, false, 225, 2000, 10, 30},
        Outcome{"caught within the limit escapes too", "write Payroll.db 1200 3",
                {{100, 1}, {20, 10}}, {kEscaped}, 3200, 10, false, 225},
        overLimit("limit plus 200 is deleted", "write Payroll.db 1700 2", 225,
                  {kDiscovered + kDeleted}, 2000, true),
        overLimit("a rating of exactly 200 is arrested", "write Payroll.db 1600 2", 200,
                  {kDiscovered + arrested("700"), kBailPaid}, 1300, true),
        Outcome{"bail of all the cash is paid", "write Payroll.db 2000 2", {{20, 10}},
                {kDiscovered + arrested("700"), kBailPaid}, 0, 10, true, 0, 700},
        Outcome{"bail not affordable, no new game", "write Payroll.db 2000 2", {{20, 10}},
                {kDiscovered + arrested("700"), kNoBail, kNewGame}, 699, 10, true, 0, 699, 10, 1,
                4, {Okay, Okay, No}}));

TEST_F(Payment, TheOrderIsShownWithTheAccountsCutDownBeforeTheSavePause)
{
    state().Items[1] = 2;
    std::vector<std::string> atPause;
    platform.whileWaiting = [&](double) {
        atPause = said();
        EXPECT_EQ(term().Text1.Text, "");
    };
    const std::size_t start = said().size();
    random.pushRandom(100, 2);
    type("write Payroll.db 1200.50 3");
    EXPECT_EQ(platform.waited, std::vector<double>{1.5});
    ASSERT_GE(atPause.size(), start);
    EXPECT_EQ(std::vector<std::string>(atPause.begin() + static_cast<std::ptrdiff_t>(start),
                                       atPause.end()),
              (std::vector<std::string>{"write Payroll.db 1200.50 3",
                                        "Using 2 forwarding bank accounts", "", "",
                                        "Saving to default outgoing payment file.", "",
                                        "File   :   Payroll.db", "Amount :   1200.50",
                                        "To     :   Account 2", "", "Save completed.", ""}));
    EXPECT_EQ(state().Items[1], 2) << "an arrival keeps the accounts";
}

// The accounts show as typed unless cut down to those owned, however many
// were typed; the terminal is closed in the save pause, so nothing is paid.
TEST_F(Payment, TheAccountsShowAsTypedUnlessCutDown)
{
    const struct {
        const char* accounts;
        std::vector<std::string> shown;
    } rows[] = {{"02", {"To     :   Account 02"}},
                {"9999999999", {"Using 10 forwarding bank accounts", "To     :   Account 10"}},
                {"99999999999999999999999999999999999999999",
                 {"Using 10 forwarding bank accounts", "To     :   Account 10"}}};
    for (const auto& row : rows) {
        std::vector<std::string> atPause;
        platform.whileWaiting = [&](double) {
            platform.whileWaiting = nullptr;
            atPause = said();
            run([&] { term().Label4_Click(); });
        };
        type(std::string("write Payroll.db 1200 ") + row.accounts);
        std::vector<std::string> shown;
        std::ranges::copy_if(atPause, std::back_inserter(shown), [](const std::string& line) {
            return line.starts_with("Using") || line.starts_with("To ");
        });
        EXPECT_EQ(shown, row.shown) << row.accounts;
        EXPECT_EQ(state().DayCount, 1);
        logIn();
        setFiles({{"Payroll.db", "p", true}});
    }
}

TEST_F(Payment, UnpaidBailCanStartANewGame)
{
    state().Funds = 100;
    random.pushRandom(20, 10);
    platform.pagerPresses = {Okay, Okay, Yes};
    platform.inputAnswers = {"trinity"};
    type("write Payroll.db 2000 2");
    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[2].text, kNewGame);
    EXPECT_EQ(game.find<kx::frmTerminal>(), nullptr);
    EXPECT_EQ(state().Alias, "trinity");
    EXPECT_EQ(state().Funds, 2000);
}

// A payment the game cannot decide on must not cost a day or any draw; before
// the login even a good one only asks to connect.
TEST_F(Payment, AnUndecidableLineOrNoLoginKeepsTheLineAndDrawsNothing)
{
    const char* const bad[] = {"write Payroll.db 100", "write  100 3", "write Payroll.db abc 3",
                               "write Payroll.db -5 3", "write Payroll.db 0 3",
                               "write Payroll.db 100 x", "write Payroll.db 100 -1",
                               "write Payroll.db 100 2.5", "write Payroll.db 100 1 2",
                               "WRITE Payroll.db 1e3 2"};
    const int draws = random.draws;
    auto expectKept = [&](const char* line, const std::string& answer) {
        const std::size_t start = transcript().size();
        type(line);
        EXPECT_EQ(said(start), (std::vector<std::string>{line, answer}));
        EXPECT_EQ(term().Text1.Text, line);
    };
    for (const char* line : bad)
        expectKept(line, "Type it as:  write FILE AMOUNT ACCOUNTS");
    const bool flags[][3] = {{true, false, false}, {false, true, false}, {false, false, true}};
    for (const auto& f : flags) {
        state().Disconnected = f[0];
        state().AwaitingName = f[1];
        state().AwaitingPassword = f[2];
        expectKept("write Payroll.db 1200 3", kConnectFirst);
        expectKept("write x", kConnectFirst);
    }
    EXPECT_EQ(random.draws, draws);
    EXPECT_TRUE(platform.waited.empty());
    EXPECT_EQ(state().Funds, 2000);
}

} // namespace
} // namespace kxtest
