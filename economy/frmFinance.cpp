#include "frmFinance.h"

#include "core/Game.h"
#include "core/LongAction.h"
#include "core/Numbers.h"

#include <algorithm>
#include <limits>

namespace kx {

namespace {

constexpr float kAccountHolds = 2000; // dollars a holding bank account takes
constexpr double kLoanCeiling = 10000; // debt beyond which nobody lends
constexpr float kTooRichForLoans = 2500;
const char* const kNoAccounts = "You don't have any holding bank accounts.";

Button button(int left, int top, const std::string& caption)
{
    return {{left, top, 1395, 315}, caption, true, true};
}

// Stores a double result back into the game's float money.
void set(float& value, double amount) { value = static_cast<float>(amount); }

} // namespace

frmFinance::frmFinance(Game& game) : WindowOf(game)
{
    Label1 = {{75, 75, 4410, 210}, ""};
    Label3 = {{4530, 100, 140, 135}, ""};
    Label4 = {{4770, 100, 135, 135}, ""};
    Label2 = {{300, 480, 4350, 195}, "Loan Management"};
    Command1 = button(900, 780, "Pay Loan");
    Command2 = button(2655, 780, "Get Loan");
    Label5 = {{300, 1380, 4350, 195}, "Bank Accounts"};
    Command3 = button(900, 1680, "Deposit");
    Command4 = button(2655, 1680, "Withdraw");
}

std::optional<double> frmFinance::AskAmount(const std::function<std::string()>& prompt,
                                            const std::string& title, const std::string& defaultText)
{
    const LongAction asking(*this);
    while (true) {
        const std::string typed = game().InputBox(prompt(), title, defaultText);
        if (!asking || typed.empty() || typed == "0")
            return std::nullopt;
        // Anything but an amount of money the game can hold brings the box back.
        const std::optional<double> amount = ParseAmount(typed);
        if (amount && *amount <= std::numeric_limits<float>::max())
            return static_cast<float>(*amount);
    }
}

bool frmFinance::Tell(const std::string& text)
{
    const LongAction telling(*this);
    game().ShowPager(text, false);
    return static_cast<bool>(telling);
}

void frmFinance::Command1_Click()
{
    Game& g = game();
    GameState& s = g.state;
    // The box proposes what it takes as it stands, so never less than nothing.
    const float proposed = std::max(s.Funds < s.Debt ? s.Funds : s.Debt, 0.0f);
    const std::optional<double> a =
        AskAmount([] { return "Please enter a loan payment"; }, "Loan Management", PlainNumberText(proposed));
    if (!a)
        return;
    if (*a > s.Funds) {
        Tell("You can't pay that much.");
        return;
    }
    if (*a > s.Debt) {
        if (!Tell("Your debt isn't that high.  You're entire debt will be removed and you will keep "
                  "the remainder of the money."))
            return;
        NoteEvent(s, "Paid back the whole debt, $" + FormatAmount(s.Debt));
        set(s.Funds, static_cast<double>(s.Funds) - s.Debt);
        s.Debt = 0;
    } else {
        NoteEvent(s, "Paid back $" + FormatAmount(*a) + " of the debt");
        set(s.Funds, s.Funds - *a);
        set(s.Debt, s.Debt - *a);
    }
    g.RefreshStatus();
}

void frmFinance::Command2_Click()
{
    Game& g = game();
    GameState& s = g.state;
    const LongAction lending(*this);
    const std::optional<double> a = AskAmount([] { return "So you need some money?"; },
                                              "Loan Management", "1000");
    // The debt is judged as it would be kept.
    if (a && static_cast<float>(*a + s.Debt) > kLoanCeiling) {
        Tell("No way man, you're too far in debt for that kinda money.");
    } else if (a && s.Funds > kTooRichForLoans) {
        Tell("You can afford to lose some money right now.  Go away.");
    } else if (a && Tell("Ok, I'll do it.  Interest is 10% per day.")) {
        NoteEvent(s, "Borrowed $" + FormatAmount(*a));
        set(s.Funds, s.Funds + *a);
        set(s.Debt, s.Debt + *a);
    }
    if (lending)
        g.RefreshStatus();
}

void frmFinance::Command3_Click()
{
    Game& g = game();
    GameState& s = g.state;
    if (s.Items[2] <= 0) {
        Tell(kNoAccounts);
        return;
    }
    const LongAction depositing(*this);
    const std::optional<double> a = AskAmount(
        [] {
            return "Please enter an amount to deposit.  Remember, you can only deposit $2,000 per "
                   "holding bank account.";
        },
        "Bank Account", "");
    if (a && *a > static_cast<float>(static_cast<double>(s.Items[2]) * kAccountHolds - s.BankFunds)) {
        Tell("Sorry, you don't have enough room in your accounts deposit this much.");
    } else if (a && s.Funds - *a < 0) {
        Tell("You need more money first.");
    } else if (a && Tell("You're money has been stored safely and cannot be touched by anyone but "
                         "you.")) {
        NoteEvent(s, "Put $" + FormatAmount(*a) + " in the bank");
        set(s.Funds, s.Funds - *a);
        set(s.BankFunds, s.BankFunds + *a);
    }
    if (depositing)
        g.RefreshStatus();
}

void frmFinance::Command4_Click()
{
    Game& g = game();
    GameState& s = g.state;
    if (s.Items[2] <= 0) {
        Tell(kNoAccounts);
        return;
    }
    const LongAction withdrawing(*this);
    // The box says what the bank holds each time it comes up.
    const std::optional<double> a = AskAmount(
        [&s] {
            return "Please enter an amount to withdraw.  You currently have $" +
                   FormatAmount(s.BankFunds) + " in your bank accounts.";
        },
        "Bank Account", "");
    if (a && *a > s.BankFunds) {
        Tell("You don't have that much in the bank.");
    } else if (a) {
        NoteEvent(s, "Took $" + FormatAmount(*a) + " from the bank");
        set(s.Funds, s.Funds + *a);
        set(s.BankFunds, s.BankFunds - *a);
    }
    if (withdrawing)
        g.RefreshStatus();
}

void frmFinance::Form_QueryUnload() { game().unload(*this); }

void frmFinance::Form_Activate()
{
    Picture = game().state.Skin["finance.jpg"];
}

void frmFinance::Label1_MouseDown() { game().platform().dragWindow(*this); }

void frmFinance::Label3_Click() { game().platform().minimiseWindow(*this); }

void frmFinance::Label4_Click() { game().unload(*this); }

} // namespace kx
