#include "DailyPagerEvents.h"

#include "frmShop.h"
#include "core/Game.h"
#include "core/LongAction.h"
#include "core/Numbers.h"
#include "core/frmRara.h"

namespace kx {

namespace {

// The characters' ways of asking and telling; an ask is granted on "Yes".
struct Pager {
    Game& game;
    const LongAction& day;
    bool ask(const std::string& text)
    {
        return answered(text, game.ShowPager(text, true) == 2 ? "Yes" : "No") == "Yes";
    }
    // False once the day's game has gone meanwhile: nothing more may change.
    bool tell(const std::string& text, const std::string& okay = "Okay")
    {
        game.ShowPager(text, false, okay);
        return !answered(text, okay).empty();
    }
    // The day's ledger keeps each message with its answer while the day's game lasts.
    std::string answered(const std::string& text, const std::string& answer)
    {
        if (!day)
            return {};
        NoteEvent(game.state, "Pager: " + FirstWords(text, 8) + " (" + answer + ")");
        return answer;
    }
};

void add(float& value, double amount) { value = static_cast<float>(value + amount); }

void sellLogin(Pager& pager, GameState& s, const ServerRecord& server)
{
    if (!pager.ask("Hey, it's Tavrik, want the login name and password to " + server.Name +
                   " for 200 bucks?"))
        return;
    if (pager.tell("The user name is: " + server.UserName + "-----The password is: " +
                   server.Password + ".  You're welcome ;]  -Tavrik"))
        add(s.Funds, -200);
}

void borrowAccount(Pager& pager, GameState& s)
{
    if (!pager.ask("Can I borrow your bank account for a day, I'll pay you the interest I get :]  "
                   "-Tavrik"))
        return;
    const int x = pager.game.Random(500);
    if (pager.tell(x < 100 ? "Thanks a lot.  The interest is only $" + std::to_string(x) +
                                 " tho.  Not my fault..."
                           : "Thanks a lot.  The interest is $" + std::to_string(x) +
                                 "!  Boy, you got lucky."))
        add(s.Funds, x);
}

void offerFavour(Pager& pager, GameState& s, int slot)
{
    const ServerRecord& server = s.Server[slot];
    const int reward = (11 - server.Vulnerability) * 100 + pager.game.Random(500);
    if (!pager.ask("Hey, I need the user name and password to " + server.Name + ",  wanna do it for " +
                   FormatAmount(reward) + " bucks?"))
        return;
    if (!pager.tell("Alright man, good luck.  Remember - Username AND password for " + server.Name +
                    " or nothing."))
        return;
    s.FavourServer = static_cast<float>(slot);
    s.FavourReward = static_cast<float>(reward);
}

void payDebtForHolder(Pager& pager, GameState& s)
{
    if (!pager.ask("I'll pay off your debt for one holder!  I need one really bad!   -Crass"))
        return;
    if (s.Items[2] == 0) {
        pager.tell("Why don't you get a holder first?!");
    } else if (s.Debt > 10000) {
        pager.tell("$" + FormatAmount(s.Debt) + "!!!  No way man, forget about it.");
    } else {
        s.Debt = 0;
        add(s.Items[2], -1);
    }
}

void runEvent(int k, Pager& pager, int slot)
{
    Game& g = pager.game;
    GameState& s = g.state;
    const ServerRecord& server = s.Server[slot];
    switch (k) {
    case 1: sellLogin(pager, s, server); break;
    case 2:
        pager.tell("i was trying to hack into " + LowerCase(server.Name) +
                   " this morning.  here's the user name for free:  " + server.UserName + "    -xero");
        break;
    case 3:
        if (pager.tell("You've earned 250 dollars on GlanceBucks.net!  loser."))
            add(s.Funds, 250);
        break;
    case 4:
        if (pager.ask("Hey,  I'm in some trouble and can't call or go to the bank.  Can you give me "
                      "a forwarding bank account?  I'll give you 500 dollars for one.  -Tavrik")) {
            add(s.Items[1], -1);
            add(s.Funds, 500);
        }
        break;
    case 5:
        if (!pager.ask("i'll sell you a forwarding bank account for 50 dollars.  whattaya say?     "
                       "-xero"))
            break;
        if (s.Funds < 50) {
            pager.tell("idiot, you don't even have 50 bucks man!");
        } else {
            add(s.Items[1], 1);
            add(s.Funds, -50);
        }
        break;
    case 6: borrowAccount(pager, s); break;
    case 7:
        pager.tell("i tell you, the workers at " + LowerCase(server.Name) +
                   " suck.  they keep changing the log in names, but not the passwords.  they're "
                   "taunting me!  anyways, one of the names begins with a '" +
                   server.UserName.substr(0, 1) + "' and it's password is " + server.Password +
                   ".     -xero");
        break;
    case 8: payDebtForHolder(pager, s); break;
    case 9: pager.tell("wassup!!    -spitfire", "Ummm..."); break;
    case 10:
        if (pager.tell("you have recieved a check from spitfire for $1,000 for being a good friend :]"))
            add(s.Funds, 1000);
        break;
    case 11: offerFavour(pager, s, slot); break;
    case 14:
        if (!pager.ask("**Special Deal**- 5 Forwarding Bank Accounts for only $200!  Would you like "
                       "to buy them?"))
            break;
        if (s.Funds > 200) {
            add(s.Funds, -200);
            add(s.Items[1], 5);
        } else {
            pager.tell("Try getting some cash first.");
        }
        break;
    case 15: pager.tell("I'm bored.  Let's hack into something...   -Tavrik"); break;
    case 21: case 22: case 23: case 24: case 25: g.load<frmShop>(); break;
    default: break; // a quiet day
    }
}

} // namespace

void DailyPagerEvents(Game& game)
{
    frmRara* rara = game.find<frmRara>();
    if (!rara)
        return;
    const LongAction day(*rara);
    const int k = game.Random(25);
    const auto& listed = rara->ListView1.items;
    const int item = game.Random(static_cast<std::int16_t>(listed.size()));
    // With nothing listed there is no server to page about: the day stays quiet.
    if (listed.empty())
        return;
    const int slot = game.FindServer(listed[item - 1].text).value_or(0);
    Pager pager{game, day};
    runEvent(k, pager, slot);
    if (day)
        game.RefreshStatus();
}

} // namespace kx
