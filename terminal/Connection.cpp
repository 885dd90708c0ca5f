#include "core/Game.h"
#include "core/Numbers.h"
#include "core/Timing.h"
#include "frmTerminal.h"
#include "servers/ServerFiles.h"

namespace kx {

namespace {

const char* const kConnectFirst = "Please connect to the server first before using this feature.";

// A wrong name or password bars the player for good one time in 10 x Vulnerability.
bool lockedOut(Game& game, const ServerRecord& server)
{
    return game.Random(static_cast<std::int16_t>(10 * server.Vulnerability)) == 1;
}

} // namespace

void frmTerminal::Connect()
{
    // Connecting, a cracker and a payment each claim the window: a later one,
    // Disconnect, Reconnect, closing the window or a new game stops them.
    const LongAction run(*this, LongAction::Claim::Exclusive);
    Game& g = game();
    GameState& s = g.state;
    // Until the server asks for a name, nothing typed reaches the old login.
    s.Disconnected = true;
    g.SeedRandom();
    g.TermPrint("Connecting to " + s.CurrentServerName + kLineBreak + "--(" +
                g.ConnectedServer().Address + ")");
    const char* const dots[] = {".", "..", "..."};
    for (int i = 0; i < 3; ++i) {
        g.TermPrint(dots[i]);
        g.Pause(timing::kConnectDotPauses[i]);
        if (!run)
            return;
    }
    if (g.ConnectedServer().NoAccess) {
        g.TermPrint("Disconnected.  You do not have access to this server.");
        return;
    }
    // A fresh login: the password prompt of an earlier server is gone.
    s.Disconnected = false;
    s.AwaitingName = true;
    s.AwaitingPassword = false;
    TickGuide(g, GuideStep::Connect);
    g.DoEvents();
    if (!run)
        return;
    g.TermPrint(WelcomeBanner());
    g.Pause(timing::kBannerPause);
    if (!run)
        return;
    g.TermPrint("?Name");
}

void frmTerminal::Command1_Click()
{
    game().TermClear();
    Connect();
}

void frmTerminal::Command3_Click()
{
    Game& g = game();
    StopLongActions();
    g.TermClear();
    g.TermRefresh();
    g.TermPrint("Disconnected from " + g.state.CurrentServerName);
    g.state.Disconnected = true;
}

void frmTerminal::ServerCommand(const std::string& line)
{
    Game& g = game();
    GameState& s = g.state;
    ServerRecord& server = g.ConnectedServer();
    if (s.Disconnected) {
        g.TermPrint("You are not connected.");
    } else if (s.AwaitingName) {
        if (line == server.UserName) {
            g.TermPrint("User name accepted.  Please enter your password.");
            s.AwaitingPassword = true;
            s.AwaitingName = false;
        } else if (lockedOut(g, server)) {
            g.TermPrint("Invalid Name.  Your ip address has been saved and blocked from entering "
                        "this server.");
            server.NoAccess = true;
            s.Disconnected = true;
            s.AwaitingName = false;
        } else {
            g.TermPrint("User name invalid.  Please retry.");
        }
    } else if (s.AwaitingPassword) {
        if (line == server.Password) {
            g.TermPrint("Password accepted." + std::string(1, kLineBreak) + ServerNote(g));
            s.AwaitingName = false;
            s.AwaitingPassword = false;
            TickGuide(g, GuideStep::LogIn);
            PayFavour();
        } else if (lockedOut(g, server)) {
            g.TermPrint("Invalid password.  Your ip address has been saved and blocked from "
                        "entering this server.");
            server.NoAccess = true;
            s.Disconnected = true;
            s.AwaitingName = false;
            s.AwaitingPassword = false;
        }
    } else {
        RemoteCommand(line);
    }
}

// A pager character who asked for this server's login pays once he has it.
void frmTerminal::PayFavour()
{
    Game& g = game();
    GameState& s = g.state;
    if (s.FavourServer <= 0 || s.FavourServer != s.ServerIndex)
        return;
    if (g.ShowPager("Hey, can I have that username and password now?", true) != 2)
        return;
    NoteEvent(s, "Favour done on " + g.ConnectedServer().Name + ": $" + FormatAmount(s.FavourReward));
    g.ShowPager("Thanks a lot, here's your " + NumberText(s.FavourReward) + " dollars.", false);
    s.Funds = s.Funds + s.FavourReward;
    g.RefreshStatus();
    s.FavourServer = 0;
    s.FavourReward = 0;
}

void frmTerminal::RunNameCracker() { RunCracker(false); }

void frmTerminal::RunPasswordCracker() { RunCracker(true); }

void frmTerminal::RunCracker(bool forPassword)
{
    Game& g = game();
    GameState& s = g.state;
    if (!(forPassword ? s.AwaitingPassword : s.AwaitingName))
        return;
    if (s.Disconnected) {
        g.TermPrint(kConnectFirst);
        return;
    }
    const LongAction run(*this, LongAction::Claim::Exclusive);
    g.TermClear();
    g.TermRefresh();
    Text1.Text.clear();
    const auto& pool = forPassword ? s.PasswordPool : s.UserNamePool;
    for (int i = 1; i <= kPoolSize; ++i) {
        const std::string attempt = "Attempt " + std::to_string(i) + " out of 100";
        const ServerRecord& server = g.ConnectedServer();
        if (pool[i] == (forPassword ? server.Password : server.UserName)) {
            CrackerFound(run, attempt, pool[i], forPassword);
            return;
        }
        g.DoEvents();
        if (!run)
            return;
        if (lockedOut(g, server)) {
            g.TermPrint("Disconnected from server.  Your ip address has been saved and blocked "
                        "from entering this server.");
            g.ConnectedServer().NoAccess = true;
            s.Disconnected = true;
            return;
        }
        g.TermPrint(attempt);
        g.DoEvents();
        g.Pause(timing::kCrackerStep);
        if (!run)
            return;
        g.TermPrint(forPassword ? "Invalid password.  Please try again."
                                : "Invalid user name.  Please try again.");
        g.Pause(g.Random(9) * timing::kCrackerRetryUnit);
        if (!run)
            return;
    }
}

void frmTerminal::CrackerFound(const LongAction& run, const std::string& attempt, const std::string& word,
                               bool forPassword)
{
    Game& g = game();
    GameState& s = g.state;
    const std::string br(1, kLineBreak);
    g.TermPrint(attempt);
    g.DoEvents();
    g.Pause(timing::kCrackerStep);
    if (!run)
        return;
    g.TermPrint(br + (forPassword ? "The password for " : "The login name for ") +
                s.CurrentServerName + "'s server is" + br + word);
    if (!forPassword)
        g.DoEvents();
    g.Pause(timing::kCrackerStep);
    if (!run)
        return;
    if (forPassword) {
        ServerCommand(g.ConnectedServer().Password);
        return;
    }
    g.TermPrint(br + br + "User name accepted.  Please enter your password.");
    s.AwaitingName = false;
    s.AwaitingPassword = true;
}

} // namespace kx
