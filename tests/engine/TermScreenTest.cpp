#include "support/TerminalFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

namespace kxtest {
namespace {

// Neighbouring characters differ, so a piece cut one place off shows.
std::string numbered(std::size_t n)
{
    static const std::string kAlphabet =
        "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += kAlphabet[i % kAlphabet.size()];
    return text;
}

class TermScreen : public TerminalFixture {
protected:
    void SetUp() override
    {
        TerminalFixture::SetUp();
        connect();
        run([&] {
            game.TermClear();
            game.TermRefresh();
        });
    }
    void print(const std::string& text)
    {
        run([&] { game.TermPrint(text); });
    }
    void printLines(int from, int to)
    {
        for (int i = from; i < to; ++i)
            print("line " + std::to_string(i));
    }
    void scrollTo(int value)
    {
        run([&] {
            term().VScroll1.Value = value;
            term().VScroll1_Change();
        });
    }
    std::vector<std::string> numberedRows(int first, int count)
    {
        std::vector<std::string> expected;
        for (int i = first; i < first + count; ++i)
            expected.push_back(">line " + std::to_string(i));
        expected.resize(kx::frmTerminal::kRows);
        return expected;
    }
};

struct WrapCase {
    const char* what;
    std::string text;
    std::vector<std::string> lines;
    friend std::ostream& operator<<(std::ostream& out, const WrapCase& c) { return out << c.what; }
};

class TermPrintWrap : public TermScreen, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(TermPrintWrap, StoresAndShowsTheLines)
{
    const WrapCase& c = GetParam();
    print(c.text);
    EXPECT_EQ(transcript(), c.lines);
    std::vector<std::string> shown = c.lines;
    shown.resize(kx::frmTerminal::kRows);
    EXPECT_EQ(rows(), shown);
}

const std::string k52 = numbered(52);
const std::string k110 = numbered(110);
const std::string k60 = numbered(60);

INSTANTIATE_TEST_SUITE_P(
    TermScreen, TermPrintWrap,
    ::testing::Values(
        WrapCase{"51 characters fit", numbered(51), {">" + numbered(51)}},
        WrapCase{"52 characters wrap", k52, {">" + k52.substr(0, 50), ">--" + k52.substr(50)}},
        WrapCase{"110 characters wrap twice",
                 k110,
                 {">" + k110.substr(0, 50), ">--" + k110.substr(50, 48), ">--" + k110.substr(98)}},
        WrapCase{"leading marks collapse", ">>abc", {">abc"}},
        WrapCase{"marks go after the wrap", ">>" + numbered(50),
                 {">" + numbered(48), ">--" + numbered(50).substr(48)}},
        WrapCase{"empty text", "", {">"}},
        WrapCase{"two markers", "\xFF\xFF", {">", ">", ">"}},
        WrapCase{"marker splits", "one\xFFtwo", {">one", ">two"}},
        WrapCase{"wrap before a marker", k60 + "\xFF" + "x",
                 {">" + k60.substr(0, 50), ">--" + k60.substr(50), ">x"}}));

TEST_F(TermScreen, UpToSeventeenLinesFillFromTheTop)
{
    printLines(0, 17);
    EXPECT_EQ(rows(), numberedRows(0, 17));
    EXPECT_EQ(term().VScroll1.Value, 0);
    EXPECT_EQ(term().VScroll1.Max, 17);
}

TEST_F(TermScreen, TheEighteenthLineScrollsByOne)
{
    printLines(0, 18);
    EXPECT_EQ(rows(), numberedRows(1, 17));
    EXPECT_EQ(term().VScroll1.Value, 1);
    EXPECT_EQ(term().VScroll1.Max, 18);
}

TEST_F(TermScreen, ScrollingPastTheEndBlanksTheRowsBelowTheTranscript)
{
    printLines(0, 20);
    scrollTo(10);
    EXPECT_EQ(rows(), numberedRows(10, 10));
    scrollTo(0);
    EXPECT_EQ(rows(), numberedRows(0, 17));
    scrollTo(4);
    EXPECT_EQ(rows(), numberedRows(4, 16)) << "one row past the end is blank";
    scrollTo(20);
    EXPECT_EQ(rows(), numberedRows(0, 0)) << "at the maximum the screen is blank";

    print("line 20");
    EXPECT_EQ(rows(), numberedRows(4, 17));
    EXPECT_EQ(term().VScroll1.Value, 4);
    EXPECT_EQ(term().VScroll1.Max, 21);
}

// A bar left further down than the cleared transcript reaches shows its thumb
// away from the lines on screen.
TEST_F(TermScreen, ClearingAScrolledScreenBringsTheBarBackInRange)
{
    printLines(0, 20);
    type("cls");
    EXPECT_EQ(term().VScroll1.Max, 0);
    EXPECT_EQ(term().VScroll1.Value, 0);
    printLines(0, 5);
    EXPECT_EQ(term().VScroll1.Value, 0);
    EXPECT_EQ(rows(), numberedRows(0, 5));
}

struct SelectCase {
    const char* what;
    std::set<int> before;
    int row, button, shift;
    std::set<int> after;
    friend std::ostream& operator<<(std::ostream& out, const SelectCase& c) { return out << c.what; }
};

std::set<int> span(int first, int last)
{
    std::set<int> rows;
    for (int i = first; i <= last; ++i)
        rows.insert(i);
    return rows;
}

class RowSelection : public TermScreen, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(RowSelection, FollowsTheClick)
{
    const SelectCase& c = GetParam();
    for (int i : c.before)
        term().Term[i].Selected = true;
    run([&] { term().Term_MouseDown(c.row, c.button, c.shift, 10, 5); });
    std::set<int> selected;
    for (int i = 0; i < kx::frmTerminal::kRows; ++i)
        if (term().Term[i].Selected)
            selected.insert(i);
    EXPECT_EQ(selected, c.after);
}

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;

INSTANTIATE_TEST_SUITE_P(
    TermScreen, RowSelection,
    ::testing::Values(
        SelectCase{"click selects", {}, 4, kLeft, 0, {4}},
        SelectCase{"click again deselects", {4, 9}, 4, kLeft, 0, {9}},
        SelectCase{"shift with control is a plain click", {3, 10}, 6, kLeft, 3, {3, 6, 10}},
        SelectCase{"flood between rows 3 and 10", {3, 10}, 6, kLeft, 1, span(3, 10)},
        SelectCase{"flood with a selected row only below starts at row 0", {12}, 5, kLeft, 1,
                   span(0, 12)},
        SelectCase{"flood with none below fills nothing", {2}, 8, kLeft, 1, {2}},
        SelectCase{"flood with none at all selects row 0", {}, 8, kLeft, 1, {0}},
        SelectCase{"right click deselects all", {1, 5, 16}, 9, kRight, 0, {}},
        SelectCase{"flood deselect clears the block", span(3, 10), 6, kRight, 1, {}},
        SelectCase{"flood deselect keeps other blocks", {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 14}, 6,
                   kRight, 1, {0, 1, 14}},
        SelectCase{"flood deselect of a run to the bottom clears nothing", span(10, 16), 12,
                   kRight, 1, span(10, 16)},
        SelectCase{"flood deselect of every row clears row 0 only", span(0, 16), 5, kRight, 1,
                   span(1, 16)},
        SelectCase{"middle button does nothing", {3}, 6, kMiddle, 0, {3}},
        SelectCase{"middle button with shift does nothing", {3, 10}, 6, kMiddle, 1, {3, 10}}));

TEST_F(TermScreen, CopyJoinsTheSelectedRowsWithoutATrailingBreak)
{
    printLines(0, 8);
    run([&] { term().Term_MouseDown(2, kLeft, 0, 0, 0); });
    run([&] { term().Term_MouseDown(5, kLeft, 0, 0, 0); });
    run([&] { term().Command4_Click(); });
    EXPECT_EQ(platform.clipboard, ">line 2\r\n>line 5");

    run([&] { term().Term_MouseDown(5, kLeft, 0, 0, 0); });
    run([&] { term().Command4_Click(); });
    EXPECT_EQ(platform.clipboard, ">line 2");
}

TEST_F(TermScreen, CopyWithNothingSelectedLeavesTheClipboard)
{
    printLines(0, 8);
    run([&] { term().Command4_Click(); });
    EXPECT_EQ(platform.clipboard, "(untouched)");
}

TEST_F(TermScreen, SelectionStaysWithTheRowWhileTheTextMoves)
{
    printLines(0, 17);
    run([&] { term().Term_MouseDown(0, kLeft, 0, 0, 0); });
    print("line 17");
    EXPECT_TRUE(term().Term[0].Selected);
    run([&] { term().Command4_Click(); });
    EXPECT_EQ(platform.clipboard, ">line 1");
}

TEST_F(TermScreen, ClosingThrowsTheTranscriptAwayAndKeepsTheFlags)
{
    printLines(0, 3);
    state().AwaitingName = true;
    state().Disconnected = false;
    run([&] { term().Label4_Click(); });
    EXPECT_EQ(game.terminal(), nullptr);
    EXPECT_EQ(state().TermLines, std::vector<std::string>{""});
    EXPECT_EQ(state().TermLineCount, 0);
    EXPECT_FALSE(state().Disconnected);
    EXPECT_TRUE(state().AwaitingName);
    print("into nothing");
    EXPECT_EQ(state().TermLineCount, 0);
}

} // namespace
} // namespace kxtest
