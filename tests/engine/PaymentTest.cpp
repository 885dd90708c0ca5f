#include "support/TerminalFixture.h"

#include "core/Numbers.h"
#include "economy/frmPager.h"

#include <gtest/gtest.h>

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
const std::string kUsage = "Type it as:  write FILE AMOUNT ACCOUNTS";

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
    // Equipment weighing `rating` (0, 200 or 225): 20 a piece in slot 3, 45 in slot 10.
    void rate(int rating)
    {
        state().Items[3] = rating == 225 ? 0.0f : static_cast<float>(rating / 20);
        state().Items[10] = rating == 225 ? 5.0f : 0.0f;
        run([&] { game.DrawStatus(); });
        ASSERT_EQ(state().EquipmentRating, rating);
    }
    std::string statusLine() { return strip().empty() ? "" : strip().back().text; }
};

struct Outcome {
    const char* what;
    std::string line;
    std::vector<std::pair<int, int>> draws; // Random(n) gives k, in order
    std::vector<std::string> messages;
    float funds, owned; // afterwards
    bool dayEnds; // the day passes with interest and the terminal closes
    // The situation before; defaults for most rows.
    int rating = 0;
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
    rate(o.rating);
    for (const auto& [n, k] : o.draws)
        random.pushRandom(n, k);
    platform.pagerPresses.assign(o.presses.begin(), o.presses.end());
    std::string lastLineAtFirstMessage;
    platform.whilePagerShows = [&](kx::frmPager&) {
        platform.whilePagerShows = nullptr;
        lastLineAtFirstMessage = transcript().back();
    };

    type(o.line);

    EXPECT_EQ(platform.messageTexts(), o.messages);
    for (const PagerMessage& m : platform.messages)
        EXPECT_EQ(m.yes, m.text == kNewGame) << m.text;
    EXPECT_EQ(random.pending(), 0u) << "every scripted draw was taken";
    EXPECT_EQ(state().Funds, o.funds);
    EXPECT_EQ(state().Items[1], o.owned);
    // Whatever moves the day on also shows the new figures; the final day ends the game instead.
    const bool escaped = !o.messages.empty() && o.messages.back().ends_with(kEscaped);
    const bool nextDay = o.day < kx::kFinalDay && (o.dayEnds || escaped);
    EXPECT_EQ(state().DayCount, o.day + (nextDay ? 1 : 0));
    if (o.day < kx::kFinalDay) {
        EXPECT_EQ(rara().Label9.Caption, "$" + kx::FormatAmount(kx::RoundHalfUpWhole(o.funds)));
        EXPECT_EQ(rara().Label11.Caption, kx::FormatAmount(kx::RoundHalfUpWhole(o.owned)));
        EXPECT_EQ(statusLine(), "Neo on day " + kx::NumberText(state().DayCount) + " out of 30");
    }
    const bool wrongFile = o.line.starts_with("write memo");
    if (!o.messages.empty()) {
        EXPECT_EQ(lastLineAtFirstMessage, wrongFile ? ">Error.  File does not exist" : ">");
    }
    if (o.dayEnds) {
        EXPECT_FLOAT_EQ(state().Debt, 4400);
        EXPECT_EQ(game.terminal(), nullptr);
        EXPECT_TRUE(state().Disconnected);
    } else {
        EXPECT_EQ(state().Debt, 4000) << "no interest";
        ASSERT_NE(game.terminal(), nullptr);
        EXPECT_FALSE(state().Disconnected);
        EXPECT_EQ(term().Text1.Text, "");
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
        Outcome{"file name in another case", "write PAYROLL.DB 1200 3", {{100, 100}},
                {arrived("1,200")}, 3200, 10, true},
        Outcome{"exactly the limit is within it", "write Payroll.db 1500 3", {{100, 2}},
                {arrived("1,500")}, 3500, 10, true},
        Outcome{"cents arrive", "write Payroll.db 1200.5 0", {{100, 2}}, {arrived("1,200.5")},
                3200.5f, 10, true},
        Outcome{"arrives on the final day, then the game ends",
                "write Payroll.db 1200 3", {{100, 2}}, {arrived("1,200")}, 3200, 10, false, 0,
                2000, 10, 30},
        Outcome{"wrong file, 9 in 10 nothing happens", "write memo.txt 1200 3", {{10, 2}}, {},
                2000, 10, false},
        Outcome{"wrong file caught loses some of the owned accounts", "write memo.txt 1200 3",
                {{10, 1}, {10, 4}, {20, 10}}, {kWrongFile, arrested("700"), kBailPaid}, 1300, 6, true},
        // With no account to lose nothing may be drawn for the loss: the bail's draw is next.
        Outcome{"wrong file caught owning no account loses none", "write memo.txt 1200 3",
                {{10, 1}, {20, 10}}, {kWrongFile, arrested("700"), kBailPaid}, 1300, 0, true, 0,
                2000, 0},
        Outcome{"wrong file caught owing accounts loses none", "write memo.txt 1200 3",
                {{10, 1}, {20, 10}}, {kWrongFile, arrested("700"), kBailPaid}, 1300, -2, true, 0,
                2000, -2},
        Outcome{"within the limit, caught 1 in 100", "write Payroll.db 1200 3",
                {{100, 1}, {20, 1}}, {arrested("637"), kBailPaid}, 1363, 10, true},
        Outcome{"over the limit through the security factor", "write Payroll.db 2000 7", {},
                {kDiscovered + kRemoved}, 2000, 3, true},
        Outcome{"over the limit through more than owned", "write Payroll.db 2000 9", {},
                {kDiscovered + kRemoved}, 2000, 0, true, 0, 2000, 7},
        Outcome{"over the limit on the final day", "write Payroll.db 2000 7", {},
                {kDiscovered + kRemoved}, 2000, 3, false, 0, 2000, 10, 30},
        overLimit("over the limit one account short", "write Payroll.db 2000 6", 0,
                  {kDiscovered + arrested("700"), kBailPaid}, 1300, true),
        Outcome{"hardest server, four-digit bail", "write Payroll.db 2000 9", {{20, 20}},
                {kDiscovered + arrested("1,100"), kBailPaid}, 900, 10, true, 0, 2000, 10, 1, 1},
        Outcome{"easiest server, one account is enough", "write Payroll.db 2000 1", {},
                {kDiscovered + kRemoved}, 2000, 9, true, 0, 2000, 10, 1, 10},
        overLimit("escapes with good equipment", "write Payroll.db 1600 2", 225,
                  {kDiscovered + kEscaped}, 3600, false),
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

TEST_F(Payment, TheOrderIsShownBeforeTheSavePause)
{
    std::vector<std::string> atPause;
    std::string inputAtPause;
    platform.whileWaiting = [&](double) {
        atPause = transcript();
        inputAtPause = term().Text1.Text;
    };
    const std::size_t start = transcript().size();
    random.pushRandom(100, 2);
    type("write Payroll.db 1200.50 3");
    EXPECT_EQ(platform.waited, std::vector<double>{1.5});
    ASSERT_GE(atPause.size(), start);
    EXPECT_EQ(std::vector<std::string>(atPause.begin() + static_cast<std::ptrdiff_t>(start),
                                       atPause.end()),
              (std::vector<std::string>{">write Payroll.db 1200.50 3", ">", ">",
                                        ">Saving to default outgoing payment file.", ">",
                                        ">File   :   Payroll.db", ">Amount :   1200.50",
                                        ">To     :   Account 3", ">", ">Save completed.", ">"}));
    EXPECT_EQ(inputAtPause, "");
}

TEST_F(Payment, MoreAccountsThanOwnedAreCutDown)
{
    state().Items[1] = 2;
    std::vector<std::string> atPause;
    platform.whileWaiting = [&](double) { atPause = said(); };
    random.pushRandom(100, 2);
    type("write Payroll.db 1200 5");
    ASSERT_GE(atPause.size(), 12u);
    const std::vector<std::string> tail(atPause.end() - 12, atPause.end());
    EXPECT_EQ(tail[0], "write Payroll.db 1200 5");
    EXPECT_EQ(tail[1], "Using 2 forwarding bank accounts");
    EXPECT_EQ(tail[8], "To     :   Account 2");
    EXPECT_EQ(state().Items[1], 2) << "an arrival keeps the accounts";
}

TEST_F(Payment, UnpaidBailCanStartANewGame)
{
    state().Funds = 100;
    random.pushRandom(20, 10);
    platform.pagerPresses = {Okay, Okay, Yes};
    platform.inputAnswers = {"trinity"};
    const unsigned generation = game.generation();
    type("write Payroll.db 2000 2");
    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[1].text, kNoBail);
    EXPECT_EQ(platform.messages[2].text, kNewGame);
    EXPECT_EQ(platform.messages[3].text.rfind("Welcome to Kestrix.", 0), 0u);
    EXPECT_EQ(game.generation(), generation + 1);
    EXPECT_EQ(game.terminal(), nullptr);
    EXPECT_EQ(state().Alias, "trinity");
    EXPECT_EQ(state().Funds, 2000);
    EXPECT_EQ(state().DayCount, 1);
    EXPECT_EQ(state().Debt, 4000);
}

struct BadLine {
    const char* line;
    friend std::ostream& operator<<(std::ostream& out, const BadLine& b)
    {
        return out << "\"" << b.line << "\"";
    }
};

// A payment the game cannot decide on must not cost a day or any draw.
class UnparsedPayment : public Payment, public ::testing::WithParamInterface<BadLine> {};

TEST_P(UnparsedPayment, AsksForTheRightFormAndKeepsTheLine)
{
    const std::size_t start = transcript().size();
    const int draws = random.draws;
    type(GetParam().line);
    EXPECT_EQ(said(start), (std::vector<std::string>{GetParam().line, kUsage}));
    EXPECT_EQ(term().Text1.Text, GetParam().line);
    EXPECT_EQ(random.draws, draws);
    EXPECT_TRUE(platform.waited.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(state().DayCount, 1);
    EXPECT_EQ(state().Funds, 2000);
    EXPECT_EQ(state().Items[1], 10);
    EXPECT_FALSE(state().Disconnected);
}

INSTANTIATE_TEST_SUITE_P(
    Payment, UnparsedPayment,
    ::testing::Values(BadLine{"write "}, BadLine{"write Payroll.db"},
                      BadLine{"write Payroll.db 100"}, BadLine{"write Payroll.db 100 "},
                      BadLine{"write  100 3"}, BadLine{"write Payroll.db abc 3"},
                      BadLine{"write Payroll.db -5 3"}, BadLine{"write Payroll.db 0 3"},
                      BadLine{"write Payroll.db  3"}, BadLine{"write Payroll.db 100 x"},
                      BadLine{"write Payroll.db 100 -1"}, BadLine{"write Payroll.db 100 2.5"},
                      BadLine{"write Payroll.db 100 1 2"}, BadLine{"WRITE Payroll.db 1e3 2"}));

TEST_F(Payment, BlanksAroundTheAccountsAreAllowed)
{
    random.pushRandom(100, 2);
    type("Write Payroll.db 1200  3 ");
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{arrived("1,200")});
}

class PaymentBeforeLogin : public Payment,
                           public ::testing::WithParamInterface<std::vector<bool>> {};

TEST_P(PaymentBeforeLogin, AsksToConnectFirst)
{
    state().Disconnected = GetParam()[0];
    state().AwaitingName = GetParam()[1];
    state().AwaitingPassword = GetParam()[2];
    const std::size_t start = transcript().size();
    const int draws = random.draws;
    type("write Payroll.db 1200 3");
    EXPECT_EQ(said(start), (std::vector<std::string>{"write Payroll.db 1200 3", kConnectFirst}));
    EXPECT_EQ(term().Text1.Text, "write Payroll.db 1200 3");
    EXPECT_EQ(random.draws, draws);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(state().Funds, 2000);
}

INSTANTIATE_TEST_SUITE_P(Payment, PaymentBeforeLogin,
                         ::testing::Values(std::vector<bool>{true, false, false},
                                           std::vector<bool>{false, true, false},
                                           std::vector<bool>{false, false, true}));

TEST_F(Payment, MalformedLineBeforeLoginAsksToConnect)
{
    state().AwaitingName = true;
    const std::size_t start = transcript().size();
    type("write x");
    EXPECT_EQ(said(start), (std::vector<std::string>{"write x", kConnectFirst}));
    EXPECT_EQ(term().Text1.Text, "write x");
}

} // namespace
} // namespace kxtest
