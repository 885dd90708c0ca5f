#include "support/TerminalFixture.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <tuple>

namespace kxtest {
namespace {

// The long actions of the terminal, each stopped at its first pause, and what
// the player does meanwhile.
enum Action { Connecting, NameCracker, Payment };
enum Stopper { CloseWindow, Disconnect, Reconnect, ConnectAgain, NewGame };

// A long action must stop at its next step once its window, connection or
// game is gone, and print nothing into a window that is not its own.
class Interruption : public TerminalFixture,
                     public ::testing::WithParamInterface<std::tuple<Action, Stopper>> {};

TEST_P(Interruption, StopsTheActionAtItsNextStep)
{
    const auto [action, stopper] = GetParam();
    if (action == NameCracker) {
        server().UserName = state().UserNamePool[5];
        connect();
        random.pushRandom(40, 2); // the first try is not barred
    }
    if (action == Payment) {
        logIn();
        setFiles({{"Payroll.db", "p", true}});
    }
    platform.clearRecords();
    // Indexed by Stopper.
    const std::function<void()> stop[] = {
        [&] { run([&] { term().Label4_Click(); }); },
        [&] { run([&] { term().Command3_Click(); }); },
        [&] { random.pushRandom(10, 10); run([&] { term().Command1_Click(); }); },
        [&] { connect(); },
        [&] { platform.inputAnswers = {"trinity"}; run([&] { game.RestartGame(); }); }};
    const kx::frmTerminal* window = nullptr;
    std::size_t waitsAtStop = 0;
    platform.whileWaiting = [&](double) {
        platform.whileWaiting = nullptr;
        waitsAtStop = platform.waited.size();
        window = terminalWindow(); // the action's own
        stop[stopper]();
    };
    if (action == Connecting)
        connect();
    else
        type(action == NameCracker ? "prgmname" : "write Payroll.db 1200 3");
    ASSERT_GT(waitsAtStop, 0u) << "the action never paused";

    const bool connectsAgain = stopper == Reconnect || stopper == ConnectAgain;
    EXPECT_EQ(platform.waited.size(), waitsAtStop + (connectsAgain ? 4 : 0))
        << "no pause of the stopped action followed";
    EXPECT_EQ(state().DayCount, 1);
    EXPECT_EQ(state().Funds, 2000);
    EXPECT_EQ(platform.messages.size(), stopper == NewGame ? 1u : 0u) << "only a new welcome";
    EXPECT_EQ(terminalWindow() != nullptr, stopper != CloseWindow && stopper != NewGame);
    if (!terminalWindow())
        return;
    EXPECT_EQ(terminalWindow() == window, stopper != ConnectAgain);
    const std::vector<std::string> lines = transcript();
    EXPECT_EQ(lines.back(), connectsAgain ? ">?Name" : ">Disconnected from Heron Freight");
    const auto count = [&](const char* line) { return std::ranges::count(lines, line); };
    EXPECT_EQ(count(">?Name"), connectsAgain ? 1 : 0);
    EXPECT_EQ(count(">Attempt 2 out of 100") + count(">Save completed."), 0);
    EXPECT_EQ(state().Disconnected, stopper == Disconnect);
}

INSTANTIATE_TEST_SUITE_P(
    Terminal, Interruption,
    ::testing::Combine(::testing::Values(Connecting, NameCracker, Payment),
                       ::testing::Values(CloseWindow, Disconnect, Reconnect, ConnectAgain,
                                         NewGame)));

using Terminal = TerminalFixture;

// Output still being printed for one connection when "Connect" opens a new
// terminal must not run on into the new transcript.
TEST_F(Terminal, OutputOfAReplacedTerminalIsDropped)
{
    const std::pair<const char*, const char*> outputs[] = { // the line, what it prints first
        {"help", ">Kestrix Command Help File"},
        {"selhelp", ">Kestrix Text Selection Help File"},
        {"dir", ">-Main Folder"},
        {"read 1", ">first"},
        {"write Payroll.db 1200 3", ">Saving to default outgoing payment file."}};
    connect();
    const std::vector<std::string> connecting = transcript();
    for (const auto& [line, firstLine] : outputs) {
        logIn();
        setFiles({{"memo.txt", "first\xFFsecond\xFFthird"}, {"Payroll.db", "p", true}});
        platform.whileProcessingEvents = [&] {
            if (!transcript().empty() && transcript().back() == firstLine) {
                platform.whileProcessingEvents = nullptr;
                connect(); // pressed while the first line is on screen
            }
        };
        type(line);
        ASSERT_FALSE(platform.whileProcessingEvents) << line << " never printed";
        EXPECT_EQ(transcript(), connecting) << line;
        EXPECT_EQ(state().DayCount, 1) << line;
    }
}

// Up walks back through what was typed, newest first, and stops at the oldest
// of the last fifty; Down walks forward, and past the newest gives an empty
// line.  A line being typed is left alone by Down, and an empty line or a
// repeat of the newest is not kept twice.

} // namespace
} // namespace kxtest
