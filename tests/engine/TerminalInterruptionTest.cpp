#include "support/TerminalFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <tuple>

namespace kxtest {
namespace {

// The long actions of the terminal, each stopped at its first pause.
enum class Action { Connecting, NameCracker, Payment };
// What the player does meanwhile.
enum class Stopper { CloseWindow, Disconnect, Reconnect, ConnectAgain, NewGame };

std::ostream& operator<<(std::ostream& out, Action a)
{
    const char* names[] = {"Connecting", "NameCracker", "Payment"};
    return out << names[static_cast<int>(a)];
}

std::ostream& operator<<(std::ostream& out, Stopper s)
{
    const char* names[] = {"CloseWindow", "Disconnect", "Reconnect", "ConnectAgain", "NewGame"};
    return out << names[static_cast<int>(s)];
}

struct Flags {
    bool disconnected, awaitingName, awaitingPassword;
    bool operator==(const Flags&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Flags& f)
    {
        return out << "Disconnected " << f.disconnected << ", AwaitingName " << f.awaitingName
                   << ", AwaitingPassword " << f.awaitingPassword;
    }
};

// A long action must stop at its next step once its window, connection or
// game is gone, and print nothing into a window that is not its own.
class Interruption : public TerminalFixture,
                     public ::testing::WithParamInterface<std::tuple<Action, Stopper>> {
protected:
    Action action() const { return std::get<0>(GetParam()); }
    Stopper stopper() const { return std::get<1>(GetParam()); }
    Flags flags() const
    {
        const kx::GameState& s = game.state;
        return {s.Disconnected, s.AwaitingName, s.AwaitingPassword};
    }

    void stop()
    {
        switch (stopper()) {
        case Stopper::CloseWindow: run([&] { term().Label4_Click(); }); break;
        case Stopper::Disconnect: run([&] { term().Command3_Click(); }); break;
        case Stopper::Reconnect:
            random.pushRandom(10, 10);
            run([&] { term().Command1_Click(); });
            break;
        case Stopper::ConnectAgain: connect(); break;
        case Stopper::NewGame:
            platform.inputAnswers = {"trinity"};
            run([&] { game.RestartGame(); });
            break;
        }
    }

    int count(const std::string& line)
    {
        const std::vector<std::string> lines = transcript();
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }
};

TEST_P(Interruption, StopsTheActionAtItsNextStep)
{
    if (action() == Action::NameCracker) {
        server().UserName = state().UserNamePool[5];
        connect();
    } else if (action() == Action::Payment) {
        logIn();
        setFiles({{"memo.txt", "m"}, {"Payroll.db", "p", true}});
    }
    state().Items[1] = 10;
    platform.clearRecords();
    const kx::frmTerminal* window = nullptr;
    const unsigned generation = game.generation();

    Flags atStop{};
    std::size_t waitsAtStop = 0;
    platform.whileWaiting = [&](double) {
        platform.whileWaiting = nullptr;
        atStop = flags();
        window = game.terminal();
        waitsAtStop = platform.waited.size();
        stop();
    };
    switch (action()) {
    case Action::Connecting: connect(); break;
    case Action::NameCracker:
        random.pushRandom(40, 2);
        type("prgmname");
        break;
    case Action::Payment: type("write Payroll.db 1200 3"); break;
    }
    ASSERT_GT(waitsAtStop, 0u) << "the action never paused";

    const bool connectsAgain =
        stopper() == Stopper::Reconnect || stopper() == Stopper::ConnectAgain;
    EXPECT_EQ(platform.waited.size(), waitsAtStop + (connectsAgain ? 4 : 0))
        << "no pause of the stopped action followed";
    EXPECT_EQ(state().DayCount, 1);
    EXPECT_EQ(state().Funds, 2000);
    EXPECT_EQ(state().Items[1], stopper() == Stopper::NewGame ? 2 : 10);

    switch (stopper()) {
    case Stopper::CloseWindow:
        EXPECT_EQ(game.terminal(), nullptr);
        EXPECT_EQ(state().TermLineCount, 0);
        EXPECT_EQ(flags(), atStop);
        break;
    case Stopper::Disconnect:
        ASSERT_EQ(game.terminal(), window);
        EXPECT_EQ(transcript(), std::vector<std::string>{">Disconnected from Heron Freight"});
        EXPECT_TRUE(state().Disconnected);
        break;
    case Stopper::Reconnect:
    case Stopper::ConnectAgain:
        ASSERT_NE(game.terminal(), nullptr);
        EXPECT_EQ(game.terminal() == window, stopper() == Stopper::Reconnect);
        EXPECT_EQ(transcript().at(0), ">Connecting to Heron Freight");
        EXPECT_EQ(transcript().back(), ">?Name");
        EXPECT_EQ(count(">?Name"), 1);
        EXPECT_EQ(count(">Connecting to Heron Freight"), 1);
        EXPECT_EQ(flags(), (Flags{false, true, false}));
        if (stopper() == Stopper::ConnectAgain) {
            EXPECT_EQ(platform.sounds.size(), 1u) << "one connection made its files";
        }
        break;
    case Stopper::NewGame:
        EXPECT_EQ(game.terminal(), nullptr);
        EXPECT_EQ(game.generation(), generation + 1);
        EXPECT_EQ(state().Alias, "trinity");
        break;
    }
    if (stopper() == Stopper::NewGame) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text.rfind("Welcome to Kestrix.", 0), 0u);
    } else {
        EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
    }
    if (game.terminal()) {
        EXPECT_EQ(count(">Attempt 2 out of 100"), 0);
        EXPECT_EQ(count(">Save completed."), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Terminal, Interruption,
    ::testing::Combine(::testing::Values(Action::Connecting, Action::NameCracker, Action::Payment),
                       ::testing::Values(Stopper::CloseWindow, Stopper::Disconnect,
                                         Stopper::Reconnect, Stopper::ConnectAgain,
                                         Stopper::NewGame)));

using StoppedCracker = TerminalFixture;

// Closed between the cleared screen and the first try, the cracker must not
// risk a lockout on the server of a window that is gone.
TEST_F(StoppedCracker, ClosedBeforeTheFirstTryRisksNoLockout)
{
    server().UserName = state().UserNamePool[5];
    connect();
    random.pushRandom(40, 1); // would bar the server
    platform.whileProcessingEvents = [&] {
        if (game.terminal() && state().TermLineCount == 0) {
            platform.whileProcessingEvents = nullptr;
            run([&] { term().Label4_Click(); });
        }
    };
    type("prgmname");
    ASSERT_FALSE(platform.whileProcessingEvents) << "the screen was never cleared";
    EXPECT_FALSE(server().NoAccess);
    EXPECT_EQ(random.pending(), 1u);
}

using Reconnection = TerminalFixture;

// Typed during the dots of a reconnection, a command must not reach the
// login that the reconnection is replacing.
TEST_F(Reconnection, LinesTypedWhileConnectingFindNoLogin)
{
    logIn();
    setFiles({{"memo.txt", "m"}});
    std::vector<std::string> reply;
    platform.whileWaiting = [&](double) {
        platform.whileWaiting = nullptr;
        const std::size_t start = transcript().size();
        type("dir");
        reply = said(start);
    };
    random.pushRandom(10, 10);
    run([&] { term().Command1_Click(); });
    EXPECT_EQ(reply, (std::vector<std::string>{"dir", "You are not connected."}));
    EXPECT_TRUE(state().AwaitingName);
    EXPECT_FALSE(state().AwaitingPassword);
}

// A password prompt left open must not let prgmpass run at the next server's name prompt.
TEST_F(Reconnection, ForgetsThePasswordPrompt)
{
    connect();
    type(kUser);
    ASSERT_TRUE(state().AwaitingPassword);
    random.pushRandom(10, 10);
    run([&] { term().Command1_Click(); });
    const std::size_t start = transcript().size();
    type("prgmpass");
    EXPECT_EQ(said(start), std::vector<std::string>{"prgmpass"});
    EXPECT_FALSE(state().AwaitingPassword);
    EXPECT_TRUE(state().AwaitingName);
}

} // namespace
} // namespace kxtest
