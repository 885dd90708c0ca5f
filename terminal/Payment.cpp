#include "core/Game.h"
#include "core/Numbers.h"
#include "core/Timing.h"
#include "frmTerminal.h"
#include "records/Ending.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace kx {

// The end of a payment: the day passes and the terminal closes.
void EndOfTransfer(Game& game);

namespace {

const std::string kBreak(1, kLineBreak);

// A payment as typed: "write FILE AMOUNT ACCOUNTS".
struct PaymentOrder {
    std::string file;
    std::string amountText; // shown as typed
    std::string accountsText; // shown as typed unless cut down to the accounts owned
    double amount = 0;
    double accounts = 0;
};

// The amount must be a positive number and the accounts a whole number of 0
// or more, however large; anything else is not a payment the game can decide on.
std::optional<PaymentOrder> parseOrder(const std::string& line)
{
    const auto p1 = line.find(' ', 6);
    const auto p2 = p1 == std::string::npos ? p1 : line.find(' ', p1 + 1);
    if (p2 == std::string::npos)
        return std::nullopt;
    PaymentOrder order;
    order.file = line.substr(6, p1 - 6);
    order.amountText = line.substr(p1 + 1, p2 - p1 - 1);
    order.accountsText = line.substr(p2 + 1);
    const auto amount = ParseNumber(order.amountText);
    const auto accounts = ParseNumber(order.accountsText);
    if (order.file.empty() || !amount || !(*amount > 0 && *amount < 1e30) || !accounts ||
        !(*accounts >= 0) || *accounts != std::floor(*accounts))
        return std::nullopt;
    order.amount = *amount;
    order.accounts = *accounts;
    return order;
}

// Writing a payment into the server's database and living with the outcome.
class PaymentTransfer {
public:
    PaymentTransfer(frmTerminal& terminal, PaymentOrder order)
        : g_(terminal.game()), s_(g_.state), order_(std::move(order)),
          run_(terminal, LongAction::Claim::Exclusive)
    {
    }

    void execute()
    {
        showSaving();
        g_.Pause(timing::kSavePause);
        if (!run_)
            return;
        TickGuide(g_, GuideStep::Pay);
        decide();
    }

private:
    // A later action of the terminal cuts the display short.
    void showSaving()
    {
        std::vector<std::string> texts;
        if (order_.accounts > s_.Items[1]) {
            order_.accounts = s_.Items[1];
            order_.accountsText = NumberText(order_.accounts);
            texts.push_back("Using " + order_.accountsText + " forwarding bank accounts");
        }
        texts.push_back(kBreak + kBreak + "Saving to default outgoing payment file.");
        texts.push_back(kBreak + "File   :   " + order_.file + kBreak + "Amount :   " +
                        order_.amountText + kBreak + "To     :   Account " + order_.accountsText +
                        kBreak);
        texts.push_back("Save completed." + kBreak);
        for (const std::string& text : texts)
            if (run_)
                g_.TermPrint(text);
    }

    // Tells the player; false when the game went away meanwhile.
    bool tell(const std::string& text)
    {
        g_.ShowPager(text, false);
        return run_.alive();
    }

    int securityFactor() const { return 11 - g_.ConnectedServer().Vulnerability; }

    // The day's ledger keeps the payment with its outcome, before the player
    // hears of it: a new game started meanwhile has a ledger of its own.
    void note(const std::string& outcome)
    {
        NoteEvent(s_, "Payment of $" + FormatAmount(order_.amount) + " on " + g_.ConnectedServer().Name +
                          ": " + outcome);
    }

    void decide()
    {
        if (!namesTheDatabase()) {
            g_.TermPrint("Error.  File does not exist");
            if (g_.Random(10) != 1) {
                note("no such file");
                return;
            }
            if (!tell("You have been caught, saving to a file that doesn't exist was too suspicious!"))
                return;
            // With no forwarding account there is nothing left to lose.
            if (s_.Items[1] >= 1)
                s_.Items[1] -= g_.Random(static_cast<std::int16_t>(std::min(s_.Items[1], 32767.0f)));
            caught("");
            return;
        }
        if (order_.amount <= g_.ConnectedServer().MaxPayment) {
            if (g_.Random(100) == 1) {
                caught("");
                return;
            }
            note("arrived");
            if (!tell("The saved payment database file was not detected.  You're " +
                      FormatAmount(order_.amount) + " dollars have arrived!"))
                return;
            s_.Funds = static_cast<float>(s_.Funds + order_.amount);
            EndOfTransfer(g_);
            return;
        }
        std::string msg = "The payment was discovered on it's outgoing path.  ";
        if (order_.accounts >= securityFactor()) {
            s_.Items[1] -= static_cast<float>(order_.accounts);
            note("discovered, the forwarding accounts given up");
            if (tell(msg + "The forwarding bank accounts were not traced back to you, however "
                           "they must be removed so you don't get caught."))
                EndOfTransfer(g_);
            return;
        }
        caught(msg);
    }

    bool namesTheDatabase() const
    {
        for (int i = 1; i <= kFileSlots; ++i)
            if (s_.ServerFiles[i].IsPaymentDatabase)
                return LowerCase(s_.ServerFiles[i].Name) == LowerCase(order_.file);
        return false;
    }

    void caught(std::string msg)
    {
        const int bail = (g_.Random(20) + 90) * securityFactor();
        const double limit = g_.ConnectedServer().MaxPayment;
        if (s_.EquipmentRating > 200 && order_.amount < limit + 200) {
            msg += "The administrators however, could not detect a connection from any outside "
                   "users.  The file is still in rotation, and your payment will arrive!";
            note("discovered, but it arrived");
            escape(msg);
        } else if (s_.EquipmentRating > 200) {
            msg += "Luckily, you weren't caught, but you still get no payment because the file "
                   "was deleted.";
            note("discovered, nothing paid");
            if (tell(msg))
                EndOfTransfer(g_);
        } else {
            msg += "The forwarding bank accounts were traced back to your house.  You've been "
                   "arrested.  Bail is $" +
                   FormatAmount(bail) + ".  ";
            note("arrested, bail $" + FormatAmount(bail));
            if (tell(msg))
                arrested(bail);
        }
    }

    // The payment arrives after all; the day counts on but nothing else moves.
    void escape(const std::string& msg)
    {
        if (!tell(msg))
            return;
        if (s_.DayCount >= kFinalDay) {
            g_.EndGame();
            return;
        }
        s_.Funds = static_cast<float>(s_.Funds + order_.amount);
        NoteFigures(s_); // the day the money came in ends with it
        s_.DayCount = s_.DayCount + 1;
        TickGuide(g_, GuideStep::NextDay);
        g_.RefreshStatus();
    }

    void arrested(int bail)
    {
        if (bail > s_.Funds) {
            if (!tell("Sorry, you don't have enough cash to make bail.  Game Over."))
                return;
            ShowEnding(g_, 0);
            if (g_.ShowPager("Would you like to start a new game?", true) == 2) {
                g_.RestartGame();
                return;
            }
            if (run_)
                EndOfTransfer(g_);
            return;
        }
        if (!tell("Bail payed.  Don't get caught again!"))
            return;
        s_.Funds = s_.Funds - static_cast<float>(bail);
        EndOfTransfer(g_);
    }

    Game& g_;
    GameState& s_;
    PaymentOrder order_;
    LongAction run_;
};

} // namespace

void frmTerminal::WritePayment(const std::string& line)
{
    Game& g = game();
    const GameState& s = g.state;
    if (s.Disconnected || s.AwaitingName || s.AwaitingPassword) {
        g.TermPrint("Please connect to the server first before using this feature.");
        return;
    }
    auto order = parseOrder(line);
    if (!order) {
        g.TermPrint("Type it as:  write FILE AMOUNT ACCOUNTS");
        return;
    }
    Text1.Text.clear();
    PaymentTransfer(*this, std::move(*order)).execute();
}

void EndOfTransfer(Game& game)
{
    game.EndDay([&game] {
        game.TermClear();
        game.TermRefresh();
        game.TermPrint("Disconnected from " + game.state.CurrentServerName);
        game.state.Disconnected = true;
        if (frmTerminal* terminal = game.find<frmTerminal>())
            game.unload(*terminal);
    });
}

} // namespace kx
