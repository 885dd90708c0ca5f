#include "support/TerminalFixture.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <tuple>

namespace kxtest {
namespace {

const char* const kNameAccepted = "User name accepted.  Please enter your password.";
const char* const kConnectFirst = "Please connect to the server first before using this feature.";
const char* const kFavourAsk = "Hey, can I have that username and password now?";

using Connection = TerminalFixture;
using Lines = std::vector<std::string>;

// Connect opens the server selected in the list.  Nothing typed during the
// dots may reach the earlier login; from the banner on, the new login waits
// for its name, and only for it.  A barred server refuses after the dots, and
// the earlier login is gone too.  Banners are put together from the server's
// name, the clock and drawn names; the pictures fit the 51-character line.
TEST_F(Connection, ConnectingPausesAfterEachRowOfDotsThenGreetsOrRefuses)
{
    listOnly({3, kSlot});
    rara().ListView1.selected = 2;
    state().FileCount = 0;
    state().Disconnected = false;
    state().AwaitingName = false;
    state().AwaitingPassword = true; // left at the password prompt of an earlier connection
    // The last line shown and the login's state, at each pause and as the banner prints.
    const auto shown = [&] { return transcript().back() + " " + login(); };
    Lines pauses;
    std::string printingBanner;
    platform.whileWaiting = [&](double) { pauses.push_back(shown()); };
    platform.whileProcessingEvents = [&] {
        if (state().TermLineCount > 0 && transcript().back() == ">IP not recognized.")
            printingBanner = shown();
    };
    connect(2);
    EXPECT_EQ(state().ServerIndex, kSlot);
    EXPECT_EQ(said().at(0), "Connecting to Heron Freight(12.34.56.78)");
    ASSERT_EQ(pauses.size(), 4u);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(pauses[i].starts_with(">" + std::string(i + 1, '.') + " D")) << pauses[i];
    EXPECT_EQ(pauses[3], ">~Heron Freight access bot [12:30:00 PM] N");
    EXPECT_EQ(printingBanner, ">IP not recognized. N");
    EXPECT_EQ(transcript().back(), ">?Name");
    EXPECT_GE(state().FileCount, 2) << "the server's files were made";
    EXPECT_EQ(platform.sounds.back(), "/kestrix/sounds/type1.wav");

    server().NoAccess = true;
    connect();
    EXPECT_EQ(said(5), Lines{"Disconnected.  You do not have access to this server."});
    EXPECT_EQ(platform.waited, (std::vector<double>{0.5, 0.8, 0.6, 0.2, 0.5, 0.8, 0.6}));
    type("dir");
    EXPECT_EQ(said().back(), "You are not connected.");

    server().NoAccess = false;
    const std::pair<int, Lines> banners[] = {
        {1, {"Welcome to the Heron Freight network server.  You have been logged at 12:30:00 PM "
             "on 12/6/2026.  Please enter a user name and password.", "?Name"}},
        {3, {"Heron Freight" + std::string(37, ' ') + // the name padded to 50 characters
             "Welcome, please enter your user name and password.", "?Name"}},
        {7, {"Authorization required.  Enter your member name and password to gain access to the "
             "Heron Freight Network Server.  Programmed by Mike Smith.", "[12:30:00 PM]", "?Name"}}};
    for (const auto& [style, expected] : banners) {
        random.pushRandom(10, style);
        random.pushRandom(50, 3); // Mike, where the style names someone; else a file takes it
        random.pushRandom(50, 5); // Smith
        run([&] { rara().Command1_Click(); });
        EXPECT_EQ(said(5), expected) << "style " << style;
    }
    for (int style : {4, 5, 6}) {
        connect(style);
        for (const std::string& line : said(5))
            EXPECT_LE(line.size(), 51u) << "style " << style << ": " << line;
    }
}

// At the name prompt only the exact name is accepted, and what is nearly a
// command is a name too: "help" and "cls" match only as the whole line, the
// programs by eight letters, "selhelp" by seven.  Each wrong name or password
// bars the player one time in 10 x Vulnerability; the draws lie on either side
// of that line.  A favour asked for a server's login is paid once, at its server.
TEST_F(Connection, TheLoginRetriesOrBarsAndPaysAFavourOnce)
{
    connect();
    for (const char* wrong :
         {"rook", "Rook ", "", "help ", "helpme", "cls ", "selhel", "prgmnam", "writ 1 2 3", "dir"}) {
        const std::size_t start = transcript().size();
        random.pushLowest(40, 2);
        type(wrong);
        EXPECT_EQ(said(start), (Lines{wrong, "User name invalid.  Please retry."}));
    }
    const std::string barred = "  Your ip address has been saved and blocked from entering this server.";
    const struct {
        std::int16_t vulnerability;
        std::string prompt, typed; // typed at "N" or "P"
        bool barred;
        std::string reply, loginAfter; // the reply after the echo, if any
    } rows[] = {{4, "N", "Crow", true, "Invalid Name." + barred, "D"},
                {1, "N", kUser, false, kNameAccepted, "P"},
                {10, "P", "password", false, "", "P"},
                {1, "P", "password", true, "Invalid password." + barred, "D"}};
    for (const auto& row : rows) {
        server().Vulnerability = row.vulnerability;
        server().NoAccess = false;
        connect();
        if (row.prompt == "P")
            type(kUser);
        if (row.typed != kUser)
            row.barred ? random.pushHighest(10 * row.vulnerability, 1)
                       : random.pushLowest(10 * row.vulnerability, 2);
        const std::size_t start = transcript().size();
        type(row.typed);
        EXPECT_EQ(said(start), (row.reply.empty() ? Lines{row.typed} : Lines{row.typed, row.reply}));
        EXPECT_EQ(login(), row.loginAfter) << '"' << row.typed << '"';
        EXPECT_EQ(server().NoAccess, row.barred) << '"' << row.typed << '"';
    }
    EXPECT_EQ(random.pending(), 0u);

    server().NoAccess = false;
    state().FavourServer = kSlot + 1;
    state().FavourReward = 250;
    logIn();
    EXPECT_TRUE(platform.messages.empty()) << "another server's favour";
    state().FavourServer = kSlot;
    platform.pagerPresses = {No};
    logIn();
    EXPECT_EQ(state().Funds, 2000) << "declined";
    platform.pagerPresses = {Yes, Okay};
    logIn();
    EXPECT_EQ(platform.messageTexts(),
              (Lines{kFavourAsk, kFavourAsk, "Thanks a lot, here's your 250 dollars."}));
    EXPECT_TRUE(platform.messages[0].yes && platform.messages[0].no);
    EXPECT_EQ(rara().Label9.Caption, "$2,250");
    EXPECT_EQ(state().FavourServer + state().FavourReward, 0);
    logIn();
    EXPECT_EQ(platform.messages.size(), 3u);
}

// Each program runs only at its own prompt; its name may go on and be in any
// case.  A barred try stops the run before its "Attempt" line.
TEST_F(Connection, CrackersTryThePoolsInOrderAndLogInOrAreBarred)
{
    const std::string name = state().UserNamePool[3], password = state().PasswordPool[2];
    server().UserName = name;
    server().Password = password;
    connect();
    platform.clearRecords();
    type("prgmpass");
    random.pushLowest(40, 2); // try 1: not barred
    random.pushRandom(9, 3); // then waits 0.3 s
    random.pushRandom(40, 40);
    random.pushRandom(9, 7);
    type("PrgmNameXYZ");
    EXPECT_EQ(transcript(), (Lines{">Attempt 1 out of 100", ">Invalid user name.  Please try again.",
                                   ">Attempt 2 out of 100", ">Invalid user name.  Please try again.",
                                   ">Attempt 3 out of 100", ">",
                                   ">The login name for Heron Freight's server is", ">" + name, ">",
                                   ">", std::string(">") + kNameAccepted}));
    // A failed try waits a drawn number of tenths.
    EXPECT_EQ(platform.waited, (std::vector<double>{0.1, 3 * 0.1, 0.1, 7 * 0.1, 0.1, 0.1}));
    EXPECT_EQ(login(), "P");
    EXPECT_EQ(term().Text1.Text, "");
    type("prgmname");
    EXPECT_EQ(transcript().back(), ">prgmname");
    platform.clearRecords();
    random.pushRandom(40, 2);
    random.pushRandom(9, 1);
    random.pushRandom(10, 8); // the server's note
    type("prgmpass");
    EXPECT_EQ(said(), (Lines{"Attempt 1 out of 100", "Invalid password.  Please try again.",
                             "Attempt 2 out of 100", "", "The password for Heron Freight's server is",
                             password, "Password accepted.", "-=Heron Freight Server=-"}));
    EXPECT_EQ(platform.waited, (std::vector<double>{0.1, 0.1, 0.1, 0.1}));
    EXPECT_EQ(login(), "");

    connect();
    platform.clearRecords();
    random.pushRandom(40, 2);
    random.pushRandom(9, 1);
    random.pushHighest(40, 1);
    type("prgmname");
    EXPECT_EQ(said(), (Lines{"Attempt 1 out of 100", "Invalid user name.  Please try again.",
                             "Disconnected from server.  Your ip address has been saved and "
                             "blocked from entering this server."}));
    EXPECT_TRUE(server().NoAccess);
    EXPECT_EQ(login(), "DN");
    const std::size_t start = transcript().size();
    type("prgmname");
    type("prgmpass");
    EXPECT_EQ(said(start), (Lines{"prgmname", kConnectFirst, "prgmpass"}));
    EXPECT_EQ(platform.waited.size(), 2u) << "neither program ran again";
    EXPECT_EQ(random.pending(), 0u);

    // Closed between the cleared screen and the first try, the cracker must
    // not risk a lockout on the server of a window that is gone.
    server().NoAccess = false;
    connect();
    random.pushRandom(40, 1); // would bar the server
    platform.whileProcessingEvents = [&] {
        if (terminalWindow() && state().TermLineCount == 0) {
            platform.whileProcessingEvents = nullptr;
            run([&] { term().Label4_Click(); });
        }
    };
    type("prgmname");
    ASSERT_FALSE(platform.whileProcessingEvents) << "the screen was never cleared";
    EXPECT_FALSE(server().NoAccess);
    EXPECT_EQ(random.pending(), 1u);
}

using Interpreter = TerminalFixture;

// Help and cls work on a cleared screen, in any case, unseen by the login;
// once logged in, the server's files are listed and read.
TEST_F(Interpreter, LocalAndRemoteCommands)
{
    connect();
    const int draws = random.draws;
    type("hElP");
    ASSERT_EQ(transcript().size(), 22u);
    EXPECT_EQ(transcript()[7], ">  echo \x7F   -  Repeats \x7F in the terminal.");
    type("SelHelp please"); // seven letters are enough
    EXPECT_EQ(said().size(), 7u) << "seven paragraphs";
    type("CLS");
    EXPECT_EQ(state().TermLineCount, 0);
    EXPECT_EQ(rows(), Lines(kx::frmTerminal::kRows));
    EXPECT_EQ(term().Text1.Text, "");
    EXPECT_EQ(random.draws, draws) << "the login prompt never saw the lines";
    EXPECT_EQ(login(), "N");

    logIn();
    setFiles({{"memo.txt", "Lunch at noon."}, {"Payroll.db", "first\xFFsecond", true}});
    // The listing's "-->" would read as wrapped pieces, so the stored lines are compared.
    type("cls");
    type("DIR");
    EXPECT_EQ(transcript(), (Lines{">DIR", ">-Main Folder", ">-->1]  memo.txt", ">-->2]  Payroll.db"}));
    const std::pair<const char*, Lines> reads[] = {
        {"READ  2 ", {"first", "second"}}, {"read 1", {"Lunch at noon."}}, {"read 10", {""}},
        {"read 11", {}}, {"read 0", {}}, {"read x", {}}, {"read 2x", {}}, {"reading 2", {}},
        {"dir ", {}}};
    for (const auto& [line, reply] : reads) {
        const std::size_t from = transcript().size();
        type(line);
        Lines expected{line};
        expected.insert(expected.end(), reply.begin(), reply.end());
        EXPECT_EQ(said(from), expected);
        EXPECT_EQ(term().Text1.Text, "");
    }
}

constexpr int kRows = kx::frmTerminal::kRows;

class TermScreen : public TerminalFixture {
protected:
    void SetUp() override
    {
        TerminalFixture::SetUp();
        connect();
        clear();
    }
    void clear() { run([&] { game.TermClear(); game.TermRefresh(); }); }
    void print(const std::string& text) { run([&] { game.TermPrint(text); }); }
    void printLines(int count)
    {
        for (int i = 0; i < count; ++i)
            print("line " + std::to_string(i));
    }
    // Rows showing "line first" on, then blank rows.
    static Lines numberedRows(int first, int count)
    {
        Lines expected;
        for (int i = first; i < first + count; ++i)
            expected.push_back(">line " + std::to_string(i));
        expected.resize(kRows);
        return expected;
    }
};

TEST_F(TermScreen, LongTextsWrapAfterFiftyCharactersAndTheBarScrollsPastTheEnd)
{
    // Neighbouring characters differ, so a piece cut one place off shows.
    std::string text;
    for (int i = 0; i < 110; ++i)
        text += static_cast<char>('!' + i % 90);
    const auto piece = [&](std::size_t from, std::size_t n) { return text.substr(from, n); };
    const std::pair<std::string, Lines> cases[] = {
        {piece(0, 51), {">" + piece(0, 51)}},
        {piece(0, 52), {">" + piece(0, 50), ">--" + piece(50, 2)}},
        {text, {">" + piece(0, 50), ">--" + piece(50, 48), ">--" + piece(98, 12)}},
        {">>" + piece(0, 50), {">" + piece(0, 48), ">--" + piece(48, 2)}}, // marks go first
        {"", {">"}},
        {piece(0, 60) + "\xFF" + "x", {">" + piece(0, 50), ">--" + piece(50, 10), ">x"}}};
    for (const auto& [printed, lines] : cases) {
        clear();
        print(printed);
        EXPECT_EQ(transcript(), lines);
        Lines shown = lines;
        shown.resize(kRows);
        EXPECT_EQ(rows(), shown);
    }

    // Printing scrolls to the last line.  The bar reaches one row past it, so
    // rows below the transcript go blank; clearing brings a bar left further
    // down back.
    clear();
    printLines(17);
    EXPECT_EQ(rows(), numberedRows(0, 17)) << "a full screen does not scroll";
    for (int i = 17; i < 20; ++i)
        print("line " + std::to_string(i));
    EXPECT_EQ(rows(), numberedRows(3, 17));
    for (auto [value, first, count] : {std::tuple{10, 10, 10}, {0, 0, 17}, {4, 4, 16}, {20, 0, 0}}) {
        term().VScroll1.Value = value;
        run([&] { term().VScroll1_Change(); });
        EXPECT_EQ(rows(), numberedRows(first, count)) << "scrolled to " << value;
    }
    print("line 20");
    EXPECT_EQ(rows(), numberedRows(4, 17));
    EXPECT_EQ(term().VScroll1.Max, 21);
    clear();
    printLines(5);
    EXPECT_EQ(term().VScroll1.Value, 0);
    EXPECT_EQ(rows(), numberedRows(0, 5));
}

// A flood runs between the nearest rows above and below already in the wanted
// state; a bound not found is row 0.
TEST_F(TermScreen, SelectionFollowsTheClick)
{
    constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
    const auto span = [](int first, int last) {
        std::set<int> rows;
        for (int i = first; i <= last; ++i)
            rows.insert(i);
        return rows;
    };
    const struct {
        const char* what;
        std::set<int> before;
        int row, button, shift;
        std::set<int> after;
    } cases[] = {
        {"click again deselects", {4, 9}, 4, kLeft, 0, {9}},
        {"shift with control is a plain click", {3, 10}, 6, kLeft, 3, {3, 6, 10}},
        {"flood between rows 3 and 10", {3, 10}, 6, kLeft, 1, span(3, 10)},
        {"flood up to row 16", {2, 16}, 9, kLeft, 1, span(2, 16)},
        {"flood with a row only below starts at row 0", {12}, 5, kLeft, 1, span(0, 12)},
        {"flood with none below fills nothing", {2}, 8, kLeft, 1, {2}},
        {"flood with none at all selects row 0", {}, 8, kLeft, 1, {0}},
        {"right click deselects all", {1, 5, 16}, 9, kRight, 0, {}},
        {"flood deselect keeps other blocks", {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 14}, 6, kRight, 1,
         {0, 1, 14}},
        {"flood deselect of a run to the bottom clears nothing", span(10, 16), 12, kRight, 1,
         span(10, 16)},
        {"flood deselect of every row clears row 0 only", span(0, 16), 5, kRight, 1, span(1, 16)},
        {"middle button does nothing", {3, 10}, 6, kMiddle, 1, {3, 10}}};
    for (const auto& c : cases) {
        for (int i = 0; i < kRows; ++i)
            term().Term[i].Selected = c.before.contains(i);
        run([&] { term().Term_MouseDown(c.row, c.button, c.shift, 10, 5); });
        std::set<int> selected;
        for (int i = 0; i < kRows; ++i)
            if (term().Term[i].Selected)
                selected.insert(i);
        EXPECT_EQ(selected, c.after) << c.what;
    }
}

// A pasted line of 32,767 line-break marks once recursed once per mark, each
// level holding a copy of the rest: half a gigabyte and a crash.  Printing
// must stay flat on the stack, whatever the text.
TEST_F(TermScreen, HugeTextsPrintWithoutGrowingTheStack)
{
    std::uintptr_t deepest = UINTPTR_MAX, shallowest = 0;
    platform.whileProcessingEvents = [&] {
        const char probe = 0;
        const auto at = reinterpret_cast<std::uintptr_t>(&probe);
        deepest = std::min(deepest, at);
        shallowest = std::max(shallowest, at);
    };
    print(std::string(32767, '\xFF'));
    EXPECT_EQ(state().TermLineCount, 32768);
    EXPECT_LT(shallowest - deepest, 64u * 1024) << "bytes of stack between the first and deepest print";
}

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
TEST_F(Interpreter, UpAndDownBringBackTheLastFiftyLines)
{
    connect();
    const auto press = [&](char key) {
        run([&] { term().Text1_KeyDown(key == 'U' ? kx::frmTerminal::kKeyUp : kx::frmTerminal::kKeyDown); });
        return term().Text1.Text;
    };
    term().Text1.Text = "draft";
    EXPECT_EQ(press('U') + press('D'), "draftdraft") << "nothing typed yet";
    for (int i = 1; i <= 52; ++i)
        type(i % 2 ? "line " + std::to_string(i) : "name" + std::to_string(i));
    type("");
    type("name52");
    const std::pair<std::string, std::string> walks[] = {
        {"U", "name52"}, {"UU", "line 51"}, {"UUD", "name52"}, {"UUDD", ""}, {"UDDD", ""},
        {std::string(49, 'U'), "name4"}, {std::string(50, 'U'), "line 3"},
        {std::string(60, 'U') + "D", "name4"}};
    for (const auto& [keys, shown] : walks) {
        type(""); // sent, and not kept
        std::string last;
        for (char key : keys)
            last = press(key);
        EXPECT_EQ(last, shown) << keys;
    }
}

} // namespace
} // namespace kxtest
