#include "support/TerminalFixture.h"

#include "core/Numbers.h"

#include <algorithm>
#include <ostream>

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;

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
const std::string kRanked = "You have a position in the high score list.";
const std::string kConnectFirst = "Please connect to the server first before using this feature.";

std::string arrived(const std::string& amount)
{
    return "The saved payment database file was not detected.  You're " + amount +
           " dollars have arrived!";
}

std::string arrested(const std::string& bail)
{
    return "The forwarding bank accounts were traced back to your house.  You've been arrested.  "
           "Bail is $" + bail + ".  ";
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

// One payment: the situation before (defaults for most rows), the line typed,
// the draws and pager presses scripted, and what follows.
struct Outcome {
    const char* what = "";
    int rating = 0; // 0, 200 or 225
    float fundsBefore = 2000, ownedBefore = 10, day = 1;
    std::int16_t vulnerability = 4;
    std::string order{}; // typed after "write "
    std::vector<std::pair<int, int>> draws{}; // Random(n) gives k, in order
    std::vector<int> presses{};
    Lines told{}; // by the pager
    float funds = 2000, owned = 10; // afterwards
    bool dayEnds = true; // the day passes with interest and the terminal closes
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
    run([&] { game.DrawStatus(); }); // rates the equipment
    // A 1 is drawn as high as it goes and anything else as low, so the odds are exact.
    for (const auto& [n, k] : o.draws)
        k == 1 ? random.pushHighest(n, k) : random.pushLowest(n, k);
    if (o.dayEnds)
        scriptQuietDay();
    platform.pagerPresses.assign(o.presses.begin(), o.presses.end());
    const std::string serverName = server().Name; // a new day may draw another world

    type("write " + o.order);

    EXPECT_EQ(platform.messageTexts(), o.told);
    EXPECT_EQ(random.pending(), 0u) << "every scripted draw was taken";
    EXPECT_EQ(state().Funds, o.funds);
    EXPECT_EQ(state().Items[1], o.owned);
    // An escape moves the day on without interest; the final day ends the game instead.
    const bool escaped = !o.told.empty() && o.told.back().ends_with(kEscaped);
    EXPECT_EQ(state().DayCount, o.day + (o.day < kx::kFinalDay && (o.dayEnds || escaped)));
    EXPECT_FLOAT_EQ(state().Debt, o.dayEnds ? 4400 : 4000);
    EXPECT_EQ(terminalWindow() == nullptr, o.dayEnds || o.day == kx::kFinalDay) << "a finished game closes it";
    EXPECT_EQ(state().Disconnected, o.dayEnds);
    EXPECT_EQ(rara().Label9.Caption, "$" + kx::FormatAmount(kx::RoundHalfUpWhole(o.funds)));
    // The day's ledger keeps the payment with what came of it.
    const auto told = [&](const std::string& part) {
        return std::ranges::any_of(o.told, [&](const std::string& text) { return text.find(part) != text.npos; });
    };
    const std::string noted = told("arrested")       ? "arrested, bail $"
                              : told(kRemoved)       ? "discovered, the forwarding accounts given up"
                              : told(kEscaped)       ? "discovered, but it arrived"
                              : told(kDeleted)       ? "discovered, nothing paid"
                              : told("have arrived") ? "arrived"
                                                     : "no such file";
    const std::string amount = o.order.substr(o.order.find(' ') + 1);
    const auto row = std::ranges::find(state().Ledger, static_cast<int>(o.day), &kx::LedgerDay::Day);
    ASSERT_NE(row, state().Ledger.end());
    ASSERT_EQ(row->Events.size(), 1u);
    EXPECT_EQ(row->Cash, o.funds) << "the day's row ends with the payment's money";
    const double paid = *kx::ParseNumber(amount.substr(0, amount.find(' ')));
    EXPECT_TRUE(row->Events[0].starts_with("Payment of $" + kx::FormatAmount(paid) + " on " + serverName + ": " + noted))
        << row->Events[0];
    if (!o.dayEnds && o.order.starts_with("memo")) {
        EXPECT_EQ(said().back(), "Error.  File does not exist");
    }
}

// The limit is 1,500, the security factor 7: over the limit with fewer
// accounts than that, the player is caught.
INSTANTIATE_TEST_SUITE_P(Payment, PaymentOutcome, ::testing::ValuesIn(std::vector<Outcome>{
    {.what = "arrives", .order = "Payroll.db 1200 3", .draws = {{100, 2}},
     .told = {arrived("1,200")}, .funds = 3200},
    {.what = "file name in another case, blanks around the accounts",
     .order = "PAYROLL.DB 1200  3 ", .draws = {{100, 100}}, .told = {arrived("1,200")}, .funds = 3200},
    {.what = "exactly the limit is within it", .order = "Payroll.db 1500 3", .draws = {{100, 2}},
     .told = {arrived("1,500")}, .funds = 3500},
    {.what = "cents arrive, no accounts", .order = "Payroll.db 1200.5 0", .draws = {{100, 2}},
     .told = {arrived("1,200.5")}, .funds = 3200.5f},
    {.what = "arrives on the final day, then the game ends", .day = 30, .order = "Payroll.db 1200 3",
     .draws = {{100, 2}}, .told = {arrived("1,200"), kRanked}, .funds = 3200, .dayEnds = false},
    {.what = "wrong file, 9 in 10 nothing happens", .order = "memo.txt 1200 3", .draws = {{10, 2}},
     .dayEnds = false},
    {.what = "wrong file caught loses some of the owned accounts", .order = "memo.txt 1200 3",
     .draws = {{10, 1}, {10, 4}, {20, 10}}, .told = {kWrongFile, arrested("700"), kBailPaid},
     .funds = 1300, .owned = 6},
    // With no account to lose nothing may be drawn for the loss: the bail's draw is next.
    {.what = "wrong file caught owning no account loses none", .ownedBefore = 0,
     .order = "memo.txt 1200 3", .draws = {{10, 1}, {20, 10}},
     .told = {kWrongFile, arrested("700"), kBailPaid}, .funds = 1300, .owned = 0},
    {.what = "wrong file caught owning one account loses it", .ownedBefore = 1,
     .order = "memo.txt 1200 3", .draws = {{10, 1}, {1, 1}, {20, 10}},
     .told = {kWrongFile, arrested("700"), kBailPaid}, .funds = 1300, .owned = 0},
    {.what = "within the limit, caught 1 in 100", .order = "Payroll.db 1200 3",
     .draws = {{100, 1}, {20, 1}}, .told = {arrested("637"), kBailPaid}, .funds = 1363},
    {.what = "over the limit through the security factor", .order = "Payroll.db 2000 7",
     .told = {kDiscovered + kRemoved}, .owned = 3},
    {.what = "over the limit through more than owned", .ownedBefore = 7, .order = "Payroll.db 2000 9",
     .told = {kDiscovered + kRemoved}, .owned = 0},
    {.what = "over the limit one account short", .order = "Payroll.db 2000 6", .draws = {{20, 10}},
     .told = {kDiscovered + arrested("700"), kBailPaid}, .funds = 1300},
    {.what = "hardest server, four-digit bail", .vulnerability = 1, .order = "Payroll.db 2000 9",
     .draws = {{20, 20}}, .told = {kDiscovered + arrested("1,100"), kBailPaid}, .funds = 900},
    {.what = "escapes just under the limit plus 200", .rating = 225, .order = "Payroll.db 1699 2",
     .draws = {{20, 10}}, .told = {kDiscovered + kEscaped}, .funds = 3699, .dayEnds = false},
    {.what = "escapes on the final day without the payment", .rating = 225, .day = 30,
     .order = "Payroll.db 1600 2", .draws = {{20, 10}}, .told = {kDiscovered + kEscaped, kRanked},
     .dayEnds = false},
    {.what = "limit plus 200 is deleted", .rating = 225, .order = "Payroll.db 1700 2",
     .draws = {{20, 10}}, .told = {kDiscovered + kDeleted}},
    {.what = "a rating of exactly 200 is arrested", .rating = 200, .order = "Payroll.db 1600 2",
     .draws = {{20, 10}}, .told = {kDiscovered + arrested("700"), kBailPaid}, .funds = 1300},
    {.what = "bail of all the cash is paid", .fundsBefore = 700, .order = "Payroll.db 2000 2",
     .draws = {{20, 10}}, .told = {kDiscovered + arrested("700"), kBailPaid}, .funds = 0},
    {.what = "bail not affordable, no new game", .fundsBefore = 699, .order = "Payroll.db 2000 2",
     .draws = {{20, 10}}, .presses = {Okay, Okay, No},
     .told = {kDiscovered + arrested("700"), kNoBail, kNewGame}, .funds = 699}}));

// A payment or bail on the final day used to leave the main window showing the
// cash from before it, while the top ten ranked the cash after it.  Found by the soak.
TEST_F(Payment, TheFinalDaysPaymentShowsInTheFundsItIsRankedWith)
{
    state().DayCount = kx::kFinalDay;
    random.pushLowest(100, 2);
    type("write Payroll.db 1200 3");
    EXPECT_TRUE(state().Finished);
    EXPECT_EQ(rara().Label9.Caption, "$3,200");
}

// What the terminal shows of a payment at the save pause, after the line
// typed: any cut to the accounts owned, then the order.
Lines saving(const std::string& to, const std::string& cut = "")
{
    Lines shown = cut.empty() ? Lines{} : Lines{"Using " + to + " forwarding bank accounts"};
    shown.insert(shown.end(), {"", "", "Saving to default outgoing payment file.", "",
                               "File   :   Payroll.db", "Amount :   1200.50",
                               "To     :   Account " + to, "", "Save completed.", ""});
    return shown;
}

// The accounts show as typed unless cut down to the ten owned, however many
// were typed; the window is closed in the save pause, so nothing is paid.  A line
// the game cannot decide on is kept and costs no draw; before the login even a
// good one only asks to connect.
TEST_F(Payment, AWriteLineShowsTheOrderOrIsKept)
{
    const std::string usage = "Type it as:  write FILE AMOUNT ACCOUNTS";
    const struct {
        std::string login; // as login() tells it
        std::string line;
        Lines reply; // after the echo
    } rows[] = {{"", "write Payroll.db 1200.50 02", saving("02")},
                {"", "write Payroll.db 1200.50 10", saving("10")},
                {"", "write Payroll.db 1200.50 9999999999", saving("10", "cut")},
                {"", "write Payroll.db 1200.50 " + std::string(41, '9'), saving("10", "cut")},
                {"", "WRITE Payroll.db 100", {usage}}, {"", "write  100 3", {usage}},
                {"", "write Payroll.db abc 3", {usage}}, {"", "write Payroll.db 0 3", {usage}},
                {"", "write Payroll.db 100 x", {usage}}, {"", "write Payroll.db 100 -1", {usage}},
                {"", "write Payroll.db 100 2.5", {usage}}, {"", "write Payroll.db 1 2 3", {usage}},
                {"", "write Payroll.db 1e3 2", {usage}}, {"D", "write Payroll.db 1200 3", {kConnectFirst}},
                {"N", "write x", {kConnectFirst}}, {"P", "write Payroll.db 1200 3", {kConnectFirst}}};
    for (const auto& row : rows) {
        logIn();
        setFiles({{"Payroll.db", "p", true}});
        state().Disconnected = row.login == "D";
        state().AwaitingName = row.login == "N";
        state().AwaitingPassword = row.login == "P";
        const std::size_t start = transcript().size();
        const int draws = random.draws;
        platform.waited.clear();
        // What shows and what is left in the input line, at the pause or else once typed.
        std::pair<Lines, std::string> seen;
        platform.whileWaiting = [&](double) {
            seen = {said(start), term().Text1.Text};
            run([&] { term().Label4_Click(); });
        };
        type(row.line);
        platform.whileWaiting = nullptr;
        const bool kept = row.reply.size() == 1;
        if (kept)
            seen = {said(start), term().Text1.Text};
        Lines expected{row.line};
        expected.insert(expected.end(), row.reply.begin(), row.reply.end());
        EXPECT_EQ(seen, std::pair(expected, kept ? row.line : ""));
        EXPECT_EQ(platform.waited, std::vector<double>(kept ? 0 : 1, 1.5));
        EXPECT_EQ(random.draws, draws);
        EXPECT_EQ(state().DayCount, 1);
        EXPECT_EQ(state().Funds, 2000);
    }
}

} // namespace
} // namespace kxtest
