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
// case.  Each failed try waits a drawn number of tenths.
TEST_F(Connection, CrackersTryThePoolsInOrderUntilTheyLogIn)
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
}

// A barred try stops the run before its "Attempt" line, and neither program
// runs again on that server.
TEST_F(Connection, ABarredCrackerDisconnectsForGood)
{
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
}

// Closed between the cleared screen and the first try, the cracker must not
// risk a lockout on the server of a window that is gone.
TEST_F(Connection, ACrackerWhoseTerminalClosedRisksNoLockout)
{
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

} // namespace
} // namespace kxtest
