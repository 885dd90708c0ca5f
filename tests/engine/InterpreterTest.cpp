#include "support/TerminalFixture.h"

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;
using Interpreter = TerminalFixture;

TEST_F(Interpreter, HelpAndClsInAnyCaseWorkOnAClearedScreen)
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
}

// "help" and "cls" match only as the whole line, the programs by eight
// letters, "selhelp" by seven: the rest is a name to the login.
TEST_F(Interpreter, NearlyACommandGoesToTheLogin)
{
    connect();
    for (const char* line : {"help ", "helpme", "cls ", "selhel", "prgmnam", "writ 1 2 3", "dir"}) {
        const std::size_t start = transcript().size();
        random.pushRandom(40, 2);
        type(line);
        EXPECT_EQ(said(start), (Lines{line, "User name invalid.  Please retry."}));
        EXPECT_EQ(random.pending(), 0u) << "the wrong name risked the lockout";
    }
}

TEST_F(Interpreter, RemoteCommandsListAndReadTheFiles)
{
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

} // namespace
} // namespace kxtest
