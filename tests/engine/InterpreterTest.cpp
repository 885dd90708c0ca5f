#include "support/TerminalFixture.h"

#include <gtest/gtest.h>

namespace kxtest {
namespace {

const std::vector<std::string> kHelpScreen = {
    ">Kestrix Command Help File",
    ">  Once connected to a server, there are a few local",
    ">and remote commands at your use.",
    ">",
    ">--Local--<",
    ">  cls      -  Clears the connection screen.",
    ">  selhelp  -  Displays text selection help file.",
    ">  echo \x7F   -  Repeats \x7F in the terminal.",
    ">",
    ">--Remote--<",
    ">  dir      -  Displays the file list of the",
    ">              remote machine.",
    ">  read \x7F   -  Opens and displays file number \x7F.",
    ">",
    ">--Programs--<",
    ">  prgmNAME -  The standard username cracking",
    ">              device.  Use when asked for a",
    ">              login name.",
    ">  prgmPASS -  Password cracker.  NAME'S",
    ">              counterpart.",
    ">",
    ">",
};

class Interpreter : public TerminalFixture {
protected:
    void SetUp() override
    {
        TerminalFixture::SetUp();
        connect();
    }
    void useFiles()
    {
        setFiles({{"memo.txt", "Lunch at noon."},
                  {"Payroll.db", "first line\xFFsecond line", true},
                  {"notes.doc", "x"}});
    }
};

class HelpWord : public Interpreter, public ::testing::WithParamInterface<const char*> {};

TEST_P(HelpWord, ShowsTheHelpScreenOnAClearedScreen)
{
    const int draws = random.draws;
    type(GetParam());
    EXPECT_EQ(transcript(), kHelpScreen);
    EXPECT_EQ(term().Text1.Text, "");
    EXPECT_EQ(random.draws, draws) << "the login prompt never saw the line";
    EXPECT_TRUE(state().AwaitingName);
}

INSTANTIATE_TEST_SUITE_P(Interpreter, HelpWord, ::testing::Values("help", "HELP", "Help", "hElP"));

// "help" and "cls" match only as the whole line: the rest is a name to the login.
class NearlyACommand : public Interpreter, public ::testing::WithParamInterface<const char*> {};

TEST_P(NearlyACommand, GoesToTheLogin)
{
    const std::size_t start = transcript().size();
    random.pushRandom(40, 2);
    type(GetParam());
    EXPECT_EQ(said(start), (std::vector<std::string>{GetParam(), "User name invalid.  Please retry."}));
    EXPECT_EQ(random.pending(), 0u) << "the wrong name risked the lockout";
    EXPECT_EQ(term().Text1.Text, "");
}

INSTANTIATE_TEST_SUITE_P(Interpreter, NearlyACommand,
                         ::testing::Values("help ", "helpme", "cls ", "CLSX", "selhel", "prgmnam",
                                           "writ 1 2 3", "echo hi"));

TEST_F(Interpreter, SelectionHelpShowsItsSixParagraphs)
{
    for (const char* word : {"selhelp", "SelHelp please"}) {
        type(word);
        const std::vector<std::string> text = said();
        ASSERT_EQ(text.size(), 7u) << word;
        EXPECT_EQ(text[0], "Kestrix Text Selection Help File");
        EXPECT_EQ(text[1], "    Selecting text is an important part of server connections and I "
                           "know how quickly things may need to be copied and/or pasted.");
        EXPECT_TRUE(text[4].ends_with("and hold 'Shift' and click anywhere")) << text[4];
        EXPECT_EQ(text[5], "in between those line.");
        EXPECT_TRUE(text[6].ends_with("deselect any lines touching eachother.")) << text[6];
        EXPECT_EQ(term().Text1.Text, "");
    }
}

TEST_F(Interpreter, ClsEmptiesTheScreenWithItsOwnEcho)
{
    for (const char* word : {"cls", "CLS"}) {
        type(word);
        EXPECT_EQ(state().TermLineCount, 0) << word;
        EXPECT_EQ(rows(), std::vector<std::string>(kx::frmTerminal::kRows)) << word;
        EXPECT_EQ(term().Text1.Text, "");
    }
}

TEST_F(Interpreter, ProgramNamesMatchAsPrefixesInAnyCase)
{
    server().UserName = state().UserNamePool[1];
    type("PrgmNameXYZ");
    EXPECT_EQ(transcript().at(0), ">Attempt 1 out of 100");
    EXPECT_TRUE(state().AwaitingPassword);
    EXPECT_EQ(term().Text1.Text, "");
}

TEST_F(Interpreter, OtherKeysAreLeftToTheTextBox)
{
    const std::vector<std::string> before = transcript();
    term().Text1.Text = "help";
    run([&] { term().Text1_KeyPress('a'); });
    EXPECT_EQ(transcript(), before);
    EXPECT_EQ(term().Text1.Text, "help");
}

class RemoteCommand : public Interpreter {
protected:
    void SetUp() override
    {
        TerminalFixture::SetUp();
        logIn();
        useFiles();
    }
    // What a typed line adds after its echo.
    std::vector<std::string> reply(const std::string& line)
    {
        const std::size_t start = transcript().size();
        type(line);
        std::vector<std::string> out = said(start);
        EXPECT_EQ(out.at(0), line);
        EXPECT_EQ(term().Text1.Text, "");
        return {out.begin() + 1, out.end()};
    }
};

TEST_F(RemoteCommand, DirListsTheFiles)
{
    // The listing's "-->" would read as wrapped pieces, so the stored lines are compared.
    std::size_t start = transcript().size();
    type("DIR");
    std::vector<std::string> lines = transcript();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(start), lines.end()),
              (std::vector<std::string>{">DIR", ">-Main Folder", ">-->1]  memo.txt",
                                        ">-->2]  Payroll.db", ">-->3]  notes.doc"}));
    EXPECT_EQ(reply("dir "), std::vector<std::string>{});
    EXPECT_EQ(reply(" dir"), std::vector<std::string>{});
}

struct ReadCase {
    const char* line;
    std::vector<std::string> reply;
    friend std::ostream& operator<<(std::ostream& out, const ReadCase& c)
    {
        return out << "\"" << c.line << "\"";
    }
};

class ReadCommand : public RemoteCommand, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadCommand, PrintsTheNumberedFile)
{
    EXPECT_EQ(reply(GetParam().line), GetParam().reply);
}

const std::vector<std::string> kFile2 = {"first line", "second line"};

INSTANTIATE_TEST_SUITE_P(
    RemoteCommand, ReadCommand,
    ::testing::Values(ReadCase{"read 2", kFile2}, ReadCase{"read  2 ", kFile2},
                      ReadCase{"READ 2", kFile2}, ReadCase{"read 1", {"Lunch at noon."}},
                      ReadCase{"read 9", {""}}, ReadCase{"read 10", {""}},
                      ReadCase{"read x", {}}, ReadCase{"read 11", {}}, ReadCase{"read 0", {}},
                      ReadCase{"read -2", {}}, ReadCase{"read", {}}, ReadCase{"read 2x", {}},
                      ReadCase{"reading 2", {}}, ReadCase{"echo hello", {}}));

TEST_F(RemoteCommand, NothingReachesTheServerBeforeTheLogin)
{
    run([&] { term().Command1_Click(); });
    const std::size_t start = transcript().size();
    random.pushRandom(40, 2);
    type("dir");
    EXPECT_EQ(said(start), (std::vector<std::string>{"dir", "User name invalid.  Please retry."}));
}

} // namespace
} // namespace kxtest
