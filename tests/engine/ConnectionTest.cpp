#include "support/TerminalFixture.h"

#include "core/WorldTables.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kxtest {
namespace {

const char* const kNameAccepted = "User name accepted.  Please enter your password.";
const char* const kNameInvalid = "User name invalid.  Please retry.";
const char* const kConnectFirst = "Please connect to the server first before using this feature.";
const char* const kFavourAsk = "Hey, can I have that username and password now?";

// The five lines of the connecting sequence up to the last dots.
const std::vector<std::string> kConnecting = {">Connecting to Heron Freight", ">--(12.34.56.78)",
                                              ">.", ">..", ">..."};

using Connection = TerminalFixture;

TEST_F(Connection, ConnectOpensTheServerSelectedInTheList)
{
    listOnly({3, kSlot});
    rara().ListView1.selected = 2;
    state().FileCount = 0;
    connect();
    EXPECT_EQ(state().CurrentServerName, kName);
    EXPECT_EQ(state().ServerIndex, kSlot);
    EXPECT_EQ(platform.loaded, std::vector<kx::WindowKind>{kx::WindowKind::Terminal});
    EXPECT_EQ(platform.shown, std::vector<kx::WindowKind>{kx::WindowKind::Terminal});
    EXPECT_EQ(platform.sounds,
              std::vector<std::string>{platform.programFolder() + "/sounds/type1.wav"});
    ASSERT_GE(state().FileCount, 2);
    ASSERT_LE(state().FileCount, 10);
    int databases = 0;
    for (int i = 1; i <= state().FileCount; ++i)
        databases += state().ServerFiles[i].IsPaymentDatabase;
    EXPECT_EQ(databases, 1) << "the server's files were made";

    const kx::frmTerminal* first = game.terminal();
    rara().ListView1.selected = 1;
    connect();
    EXPECT_NE(game.terminal(), first) << "a fresh window for each connection";
    EXPECT_EQ(platform.unloaded, std::vector<kx::WindowKind>{kx::WindowKind::Terminal});
    EXPECT_EQ(state().ServerIndex, 3);
    EXPECT_EQ(transcript().at(0), ">Connecting to " + state().Server[3].Name);
}

TEST_F(Connection, ConnectingPausesAfterEachRowOfDotsAndAfterTheBanner)
{
    // Left at a password prompt of an earlier connection.
    state().Disconnected = false;
    state().AwaitingName = false;
    state().AwaitingPassword = true;
    struct Step {
        double seconds;
        std::string lastLine;
        bool disconnected, awaitingName, awaitingPassword;
    };
    std::vector<Step> steps;
    platform.whileWaiting = [&](double seconds) {
        steps.push_back({seconds, transcript().back(), state().Disconnected, state().AwaitingName,
                         state().AwaitingPassword});
    };
    connect(10);

    const std::vector<std::string> lines = transcript();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5), kConnecting);
    EXPECT_EQ(said(5).front(),
              "You are connected to a high security server.  Please enter your name and "
              "password, or enter both the name and password as 'default' if you want the server "
              "to access your files and input your saved name and password.");
    EXPECT_EQ(lines.back(), ">?Name");

    ASSERT_EQ(steps.size(), 4u);
    const double pauses[] = {0.5, 0.8, 0.6, 0.2};
    const std::string shown[] = {">.", ">..", ">...", lines[lines.size() - 2]};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(steps[i].seconds, pauses[i]) << "pause " << i;
        EXPECT_EQ(steps[i].lastLine, shown[i]) << "pause " << i;
    }
    // Nothing typed during the dots may reach the earlier login.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(steps[i].disconnected) << "pause " << i;
    // During the banner the new login waits for its name, and only for it.
    EXPECT_FALSE(steps[3].disconnected);
    EXPECT_TRUE(steps[3].awaitingName);
    EXPECT_FALSE(steps[3].awaitingPassword);
    EXPECT_FALSE(state().Disconnected);
    EXPECT_TRUE(state().AwaitingName);
    EXPECT_FALSE(state().AwaitingPassword);
}

// An earlier login must not survive a refused connection.
TEST_F(Connection, ABarredServerIsRefusedAfterTheDots)
{
    server().NoAccess = true;
    state().Disconnected = false;
    state().AwaitingName = false;
    state().AwaitingPassword = false;
    connect();
    std::vector<std::string> refused = kConnecting;
    refused.insert(refused.end(), {">Disconnected.  You do not have access to this serv", ">--er."});
    EXPECT_EQ(transcript(), refused);
    EXPECT_TRUE(state().Disconnected);
    EXPECT_EQ(platform.waited, (std::vector<double>{0.5, 0.8, 0.6}));

    type("dir");
    EXPECT_EQ(said(7), (std::vector<std::string>{"dir", "You are not connected."}));

    run([&] { term().Command1_Click(); });
    EXPECT_EQ(transcript(), refused) << "Reconnect starts on a clear screen";
}

struct BannerCase {
    int style;
    std::vector<std::string> lines; // as read, wrapped pieces joined
    friend std::ostream& operator<<(std::ostream& out, const BannerCase& c)
    {
        return out << "style " << c.style;
    }
};

std::string first() { return std::string(kx::tables::kFirstNames[2]); }
std::string last() { return std::string(kx::tables::kLastNames[4]); }

const std::vector<std::string> kWelcomePicture = {
    "  __    __     _",
    " / / /\\ \\ \\___| | ___ ___  _ __ ___   ___",
    " \\ \\/  \\/ / _ \\ |/ __/ _ \\| '_ ` _ \\ / _ \\",
    "  \\  /\\  /  __/ | (_| (_) | | | | | |  __/",
    "   \\/  \\/ \\___|_|\\___\\___/|_| |_| |_|\\___|",
};
const std::vector<std::string> kHelloPicture = {
    ";;              ;;  ;;",
    ";;,,,    ,,,,   ;;  ;;   ,,,,",
    ";;  ;;  ;;,,;;  ;;  ;;  ;;  ;;",
    ";;  ;;  ;;      ;;  ;;  ;;  ;;",
    ";;  ;;  \xB4;,,;\xB4  ;;  ;;  \xB4;,,;\xB4",
};
const std::vector<std::string> kWelcomeDotsPicture = {
    ";   ;  ;;;;  ;     ;\xB4\xB4;  ;\xB4\xB4; ;\xB4;,,  ;;;;",
    ";   ;  ;     ;     ;     ;  ; ; ; ;  ;",
    "; ; ;  ;;    ;     ;     ;  ; ; \xB4 ;  ;;",
    "; ; ;  ;  ;  ;  ;  ;  ;  ;  ; ;   ;  ;  ;",
    ";,;,\xB4  ;,;\xB4  ;,;\xB4  ;,;\xB4  ;,,; ;   ;  ;,;\xB4",
};

std::vector<std::string> with(std::vector<std::string> picture, std::vector<std::string> after)
{
    picture.insert(picture.end(), after.begin(), after.end());
    return picture;
}

class Banner : public Connection, public ::testing::WithParamInterface<BannerCase> {};

TEST_P(Banner, GreetsBeforeAskingForTheName)
{
    const BannerCase& c = GetParam();
    random.pushRandom(10, c.style);
    random.pushRandom(50, 3); // a first name, where the style names someone
    random.pushRandom(50, 5); // and a last name
    run([&] { rara().Command1_Click(); });
    std::vector<std::string> banner = said(5);
    ASSERT_FALSE(banner.empty());
    EXPECT_EQ(banner.back(), "?Name");
    banner.pop_back();
    EXPECT_EQ(banner, c.lines);
}

std::string padded(std::string name)
{
    name.resize(50, ' ');
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Connection, Banner,
    ::testing::Values(
        BannerCase{1,
                   {"Welcome to the Heron Freight network server.  You have been logged at "
                    "12:30:00 PM on 12/6/2026.  Please enter a user name and password."}},
        BannerCase{2,
                   {"IP not recognized.",
                    "Please login with the guestname and password given to you by the server "
                    "administrators.",
                    "~Heron Freight access bot [12:30:00 PM]"}},
        BannerCase{3, {padded("Heron Freight") +
                       "Welcome, please enter your user name and password."}},
        BannerCase{4, with(kWelcomePicture, {"", "Please enter a user name and password."})},
        BannerCase{5, with(kHelloPicture, {"", "    Hello.  Please log in."})},
        BannerCase{6, with(kWelcomeDotsPicture, {"", ""})},
        BannerCase{7,
                   {"Authorization required.  Enter your member name and password to gain access "
                    "to the Heron Freight Network Server.  Programmed by " +
                        first() + " " + last() + ".",
                    "[12:30:00 PM]"}},
        BannerCase{8,
                   {"User;",
                    "     The following server provides files and documents that may be damaging "
                    "to your computer.  If you enter in as a guest, then please do not copy any "
                    "files to your hard drive.  If you do, and they damage your computer, Heron "
                    "Freight nor " +
                        first() + " " + last() +
                        "[Head Server Database Engineer] will be accountable for any harm.  Thank "
                        "you."}},
        BannerCase{9,
                   {"User name and password required.  Your IP address has been recorded at "
                    "12:30:00 PM.  If after three attempts you fail to login, your default email "
                    "address saved on the server will recieve an email of the error with this IP "
                    "address.  This is to insure that the login is the real person."}},
        BannerCase{10,
                   {"You are connected to a high security server.  Please enter your name and "
                    "password, or enter both the name and password as 'default' if you want the "
                    "server to access your files and input your saved name and password."}}));

TEST_F(Connection, PaddedNameStandsOnItsOwnLine)
{
    connect(3);
    EXPECT_EQ(transcript().at(5), ">" + padded(kName));
}

struct Picture {
    int style;
    const std::vector<std::string>* lines;
    std::vector<std::size_t> widths;
    friend std::ostream& operator<<(std::ostream& out, const Picture& p)
    {
        return out << "style " << p.style;
    }
};

class PictureBanner : public Connection, public ::testing::WithParamInterface<Picture> {};

TEST_P(PictureBanner, PrintsEachLineUnwrapped)
{
    const Picture& p = GetParam();
    connect(p.style);
    const std::vector<std::string> lines = transcript();
    ASSERT_GE(lines.size(), 10u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(lines[5 + i], ">" + (*p.lines)[i]) << "line " << i;
        EXPECT_EQ(lines[5 + i].size() - 1, p.widths[i]) << "line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Connection, PictureBanner,
    ::testing::Values(Picture{4, &kWelcomePicture, {16, 41, 42, 42, 42}},
                      Picture{5, &kHelloPicture, {22, 29, 30, 30, 30}},
                      Picture{6, &kWelcomeDotsPicture, {41, 38, 39, 41, 41}}));

TEST_F(Connection, TheRightNameAsksForThePassword)
{
    connect();
    type(kUser);
    EXPECT_EQ(said().back(), kNameAccepted);
    EXPECT_FALSE(state().Disconnected);
    EXPECT_FALSE(state().AwaitingName);
    EXPECT_TRUE(state().AwaitingPassword);
    EXPECT_EQ(term().Text1.Text, "");
}

TEST_F(Connection, NamesMatchExactly)
{
    connect();
    const std::size_t start = transcript().size();
    for (const char* wrong : {"rook", "ROOK", " Rook", "Rook ", ""}) {
        random.pushRandom(40, 2);
        type(wrong);
    }
    EXPECT_EQ(said(start),
              (std::vector<std::string>{"rook", kNameInvalid, "ROOK", kNameInvalid, " Rook",
                                        kNameInvalid, "Rook ", kNameInvalid, "", kNameInvalid}));
    EXPECT_TRUE(state().AwaitingName);
    EXPECT_FALSE(server().NoAccess);
}

TEST_F(Connection, ThePasswordCompletesTheLoginWithAServerNote)
{
    connect();
    random.pushRandom(10, 8);
    const std::string note = game.ServerNote();
    type(kUser);
    const std::size_t start = transcript().size();
    random.pushRandom(10, 8);
    type(kPassword);
    EXPECT_EQ(said(start), (std::vector<std::string>{kPassword, "Password accepted.", note}));
    EXPECT_FALSE(state().Disconnected);
    EXPECT_FALSE(state().AwaitingName);
    EXPECT_FALSE(state().AwaitingPassword);
    EXPECT_TRUE(platform.messages.empty());
}

// Each wrong try is barred one time in 10 x Vulnerability.
class Lockout : public Connection, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        Connection::SetUp();
        server().Vulnerability = static_cast<std::int16_t>(GetParam());
        connect();
    }
    int odds() const { return 10 * GetParam(); }
};

TEST_P(Lockout, WrongNameRetriesOrBarsTheServer)
{
    random.pushRandom(odds(), 2);
    type("Crow");
    EXPECT_EQ(said().back(), kNameInvalid);
    EXPECT_FALSE(server().NoAccess);

    random.pushRandom(odds(), 1);
    type("Crow");
    EXPECT_EQ(said().back(), "Invalid Name.  Your ip address has been saved and blocked from "
                             "entering this server.");
    EXPECT_TRUE(server().NoAccess);
    EXPECT_TRUE(state().Disconnected);
    EXPECT_FALSE(state().AwaitingName);

    type(kUser);
    EXPECT_EQ(said().back(), "You are not connected.");
    run([&] { term().Command1_Click(); });
    EXPECT_EQ(said().back(), "Disconnected.  You do not have access to this server.");
}

TEST_P(Lockout, WrongPasswordIsSilentOrBarsTheServer)
{
    type(kUser);
    random.pushRandom(odds(), 2);
    type("password");
    EXPECT_EQ(said().back(), "password") << "only the echo";
    EXPECT_TRUE(state().AwaitingPassword);

    random.pushRandom(odds(), 1);
    type("password");
    EXPECT_EQ(said().back(), "Invalid password.  Your ip address has been saved and blocked "
                             "from entering this server.");
    EXPECT_TRUE(server().NoAccess);
    EXPECT_TRUE(state().Disconnected);
    EXPECT_FALSE(state().AwaitingName);
    EXPECT_FALSE(state().AwaitingPassword);
}

INSTANTIATE_TEST_SUITE_P(Connection, Lockout, ::testing::Values(1, 4, 10));

TEST_F(Connection, DisconnectKeepsTheWindowButEndsTheLogin)
{
    logIn();
    run([&] { term().Command3_Click(); });
    EXPECT_EQ(transcript(), std::vector<std::string>{">Disconnected from Heron Freight"});
    EXPECT_TRUE(state().Disconnected);
    ASSERT_NE(game.terminal(), nullptr);
    type("dir");
    EXPECT_EQ(said(1), (std::vector<std::string>{"dir", "You are not connected."}));
}

class Cracker : public Connection {
protected:
    void SetUp() override
    {
        Connection::SetUp();
        for (int i = 2; i <= 5; ++i) {
            ASSERT_NE(state().UserNamePool[1], state().UserNamePool[i]);
            ASSERT_NE(state().PasswordPool[1], state().PasswordPool[i]);
        }
    }
    void expectWaits(const std::vector<double>& expected)
    {
        ASSERT_EQ(platform.waited.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_NEAR(platform.waited[i], expected[i], 1e-9) << "wait " << i;
    }
};

TEST_F(Cracker, NameCrackerTriesThePoolInOrder)
{
    const std::string word = state().UserNamePool[3];
    server().UserName = word;
    connect();
    platform.clearRecords();
    random.pushRandom(40, 2); // try 1: not barred
    random.pushRandom(9, 3); // then waits 0.3 s
    random.pushRandom(40, 40);
    random.pushRandom(9, 7);
    type("prgmname");
    EXPECT_EQ(transcript(),
              (std::vector<std::string>{">Attempt 1 out of 100",
                                        ">Invalid user name.  Please try again.",
                                        ">Attempt 2 out of 100",
                                        ">Invalid user name.  Please try again.",
                                        ">Attempt 3 out of 100", ">",
                                        ">The login name for Heron Freight's server is",
                                        ">" + word, ">", ">", std::string(">") + kNameAccepted}));
    expectWaits({0.1, 0.3, 0.1, 0.7, 0.1, 0.1});
    EXPECT_EQ(random.pending(), 0u);
    EXPECT_FALSE(state().AwaitingName);
    EXPECT_TRUE(state().AwaitingPassword);
    EXPECT_EQ(term().Text1.Text, "");
}

TEST_F(Cracker, PasswordCrackerLogsInAndSettlesTheFavour)
{
    const std::string word = state().PasswordPool[2];
    server().Password = word;
    state().FavourServer = kSlot;
    state().FavourReward = 250;
    connect();
    random.pushRandom(10, 8);
    const std::string note = game.ServerNote();
    type(kUser);
    platform.clearRecords();
    platform.pagerPresses = {Yes, Okay};
    random.pushRandom(40, 2);
    random.pushRandom(9, 1);
    random.pushRandom(10, 8); // the server's note
    type("prgmpass");
    EXPECT_EQ(said(), (std::vector<std::string>{"Attempt 1 out of 100",
                                                "Invalid password.  Please try again.",
                                                "Attempt 2 out of 100", "",
                                                "The password for Heron Freight's server is", word,
                                                "Password accepted.", note}));
    expectWaits({0.1, 0.1, 0.1, 0.1});
    EXPECT_FALSE(state().Disconnected || state().AwaitingName || state().AwaitingPassword);
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{kFavourAsk, "Thanks a lot, here's your 250 dollars."}));
    EXPECT_EQ(state().Funds, 2250);
}

TEST_F(Cracker, LockoutStopsTheRunAndLaterRunsAskToConnect)
{
    server().UserName = state().UserNamePool[5];
    connect();
    platform.clearRecords();
    random.pushRandom(40, 2);
    random.pushRandom(9, 1);
    random.pushRandom(40, 1); // try 2 is barred before its "Attempt" line
    type("prgmname");
    EXPECT_EQ(said(), (std::vector<std::string>{"Attempt 1 out of 100",
                                                "Invalid user name.  Please try again.",
                                                "Disconnected from server.  Your ip address has "
                                                "been saved and blocked from entering this "
                                                "server."}));
    EXPECT_TRUE(server().NoAccess);
    EXPECT_TRUE(state().Disconnected);

    const std::size_t start = transcript().size();
    type("prgmname");
    type("prgmpass");
    EXPECT_EQ(said(start), (std::vector<std::string>{"prgmname", kConnectFirst, "prgmpass"}));
    EXPECT_EQ(platform.waited.size(), 2u) << "neither program ran again";
}

TEST_F(Cracker, EachProgramRunsOnlyAtItsOwnPrompt)
{
    connect();
    const std::vector<std::string> before = transcript();
    type("prgmpass");
    type(kUser);
    type("prgmname");
    std::vector<std::string> expected = before;
    expected.insert(expected.end(), {">prgmpass", ">Rook", std::string(">") + kNameAccepted,
                                     ">prgmname"});
    EXPECT_EQ(transcript(), expected);
    EXPECT_EQ(platform.waited.size(), 4u) << "only the connecting pauses";
    EXPECT_EQ(term().Text1.Text, "");
}

TEST_F(Connection, AcceptedFavourPaysOnce)
{
    state().FavourServer = kSlot;
    state().FavourReward = 250;
    platform.pagerPresses = {Yes, Okay};
    logIn();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, kFavourAsk);
    EXPECT_TRUE(platform.messages[0].yes && platform.messages[0].no);
    EXPECT_EQ(platform.messages[1].text, "Thanks a lot, here's your 250 dollars.");
    EXPECT_TRUE(platform.messages[1].okay);
    EXPECT_EQ(state().Funds, 2250);
    EXPECT_EQ(rara().Label9.Caption, "$2,250");
    EXPECT_EQ(state().FavourServer, 0);
    EXPECT_EQ(state().FavourReward, 0);

    logIn();
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(state().Funds, 2250);
}

TEST_F(Connection, DeclinedFavourIsAskedAgainAtTheNextLogin)
{
    state().FavourServer = kSlot;
    state().FavourReward = 250;
    platform.pagerPresses = {No};
    logIn();
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{kFavourAsk});
    EXPECT_EQ(state().Funds, 2000);
    EXPECT_EQ(state().FavourServer, kSlot);
    EXPECT_EQ(state().FavourReward, 250);

    platform.pagerPresses = {No};
    logIn();
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{kFavourAsk, kFavourAsk}));
}

TEST_F(Connection, FavourForAnotherServerIsNotAsked)
{
    state().FavourServer = kSlot + 1;
    state().FavourReward = 250;
    logIn();
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace kxtest
