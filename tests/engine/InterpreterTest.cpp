#include "support/TerminalFixture.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <tuple>

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;
using Interpreter = TerminalFixture;

// Help and cls work on a cleared screen, in any case, unseen by the login;
// once logged in, the server's files are listed and read.
TEST_F(Interpreter, HelpAndClsWorkAnywhereButFilesOnlyOnceLoggedIn)
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

// Tab completes a command, and once logged in the file name of "write"; an
// ambiguous start goes as far as the candidates agree and Tab again lists
// them.  Nothing reaches the server; Page Up and Page Down scroll a screen.
TEST_F(Interpreter, TabCompletesLocallyAndPagesScrollAScreen)
{
    const struct { bool loggedIn; std::string typed; int tabs; std::string completed, listed; } rows[] = {
        {false, "he", 1, "help", ""}, {false, "WR", 1, "write ", ""}, {false, "p", 1, "prgm", ""},
        {false, "p", 2, "prgm", "prgmname  prgmpass"}, {false, "prgm", 1, "prgm", ""},
        {false, "write pa", 1, "write pa", ""}, {true, "write pa", 1, "write pay", ""},
        {true, "write pay", 2, "write pay", "payroll.db  payments.dtb"}, {true, "write payr", 1, "write payroll.db ", ""},
        {true, "read 1", 1, "read 1", ""}, {true, "x", 1, "x", ""}, {true, "", 1, "", ""}};
    for (const auto& row : rows) {
        row.loggedIn ? logIn() : connect();
        if (row.loggedIn)
            setFiles({{"payroll.db", "p", true}, {"payments.dtb", "q", false}});
        const std::size_t printed = state().TermLineCount;
        const int draws = random.draws;
        term().Text1.Text = row.typed;
        for (int i = 0; i < row.tabs; ++i)
            run([&] { term().Text1_KeyDown(kx::frmTerminal::kKeyTab); });
        EXPECT_EQ(term().Text1.Text, row.completed) << row.typed;
        EXPECT_EQ(said(printed), row.listed.empty() ? Lines{} : Lines{row.listed}) << row.typed;
        EXPECT_EQ(login(), row.loggedIn ? "" : "N") << "the login never sees a Tab";
        EXPECT_EQ(random.draws, draws);
    }
    for (int i = 0; i < 40; ++i)
        type("line " + std::to_string(i));
    const int end = term().VScroll1.Value;
    const auto page = [&](int key) {
        run([&] { term().Text1_KeyDown(key); });
        return term().VScroll1.Value;
    };
    EXPECT_EQ(page(kx::frmTerminal::kKeyPageUp), end - kx::frmTerminal::kRows);
    EXPECT_EQ(term().Term[0].Caption, state().TermLines[end - kx::frmTerminal::kRows]);
    EXPECT_EQ(page(kx::frmTerminal::kKeyPageDown), end);
    for (int i = 0; i < 10; ++i)
        page(kx::frmTerminal::kKeyPageUp);
    EXPECT_EQ(term().VScroll1.Value, 0) << "the bar stops at its top";
}

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
