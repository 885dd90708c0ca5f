#include "support/TerminalFixture.h"

namespace kxtest {
namespace {

const char* const kNameInvalid = "User name invalid.  Please retry.";

class Interpreter : public TerminalFixture {
protected:
    void SetUp() override
    {
        TerminalFixture::SetUp();
        connect();
    }
};

TEST_F(Interpreter, HelpAndClsInAnyCaseWorkOnAClearedScreen)
{
    const int draws = random.draws;
    type("hElP");
    const std::vector<std::string> lines = transcript();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], ">Kestrix Command Help File");
    EXPECT_EQ(lines[7], ">  echo \x7F   -  Repeats \x7F in the terminal.");
    type("SelHelp please"); // seven letters are enough
    EXPECT_EQ(said().size(), 7u) << "seven paragraphs";
    EXPECT_EQ(said().at(0), "Kestrix Text Selection Help File");
    type("CLS");
    EXPECT_EQ(state().TermLineCount, 0);
    EXPECT_EQ(rows(), std::vector<std::string>(kx::frmTerminal::kRows));
    EXPECT_EQ(term().Text1.Text, "");
    EXPECT_EQ(random.draws, draws) << "the login prompt never saw the lines";
    EXPECT_EQ(login(), "N");
}

// "help" and "cls" match only as the whole line, the programs by eight
// letters, "selhelp" by seven: the rest is a name to the login.
TEST_F(Interpreter, NearlyACommandGoesToTheLogin)
{
    for (const char* line : {"help ", "helpme", "cls ", "selhel", "prgmnam", "writ 1 2 3", "dir"}) {
        const std::size_t start = transcript().size();
        random.pushRandom(40, 2);
        type(line);
        EXPECT_EQ(said(start), (std::vector<std::string>{line, kNameInvalid}));
        EXPECT_EQ(random.pending(), 0u) << "the wrong name risked the lockout";
    }
}

TEST_F(Interpreter, ProgramNamesMatchAsPrefixesInAnyCase)
{
    server().UserName = state().UserNamePool[1];
    type("PrgmNameXYZ");
    EXPECT_EQ(transcript().at(0), ">Attempt 1 out of 100");
    EXPECT_TRUE(state().AwaitingPassword);
}

using Terminal = TerminalFixture;

TEST_F(Terminal, RemoteCommandsListAndReadTheFiles)
{
    logIn();
    setFiles({{"memo.txt", "Lunch at noon."}, {"Payroll.db", "first\xFFsecond", true}});
    // The listing's "-->" would read as wrapped pieces, so the stored lines are compared.
    auto start = static_cast<std::ptrdiff_t>(transcript().size());
    type("DIR");
    const std::vector<std::string> lines = transcript();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + start, lines.end()),
              (std::vector<std::string>{">DIR", ">-Main Folder", ">-->1]  memo.txt",
                                        ">-->2]  Payroll.db"}));
    const std::pair<const char*, std::vector<std::string>> reads[] = {
        {"READ  2 ", {"first", "second"}}, {"read 1", {"Lunch at noon."}}, {"read 10", {""}},
        {"read 11", {}}, {"read 0", {}}, {"read x", {}}, {"read 2x", {}}, {"reading 2", {}},
        {"dir ", {}}};
    for (const auto& [line, reply] : reads) {
        const std::size_t from = transcript().size();
        type(line);
        std::vector<std::string> expected{line};
        expected.insert(expected.end(), reply.begin(), reply.end());
        EXPECT_EQ(said(from), expected);
        EXPECT_EQ(term().Text1.Text, "");
    }
}

} // namespace
} // namespace kxtest
