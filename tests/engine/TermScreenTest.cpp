#include "support/TerminalFixture.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <tuple>

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;

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

} // namespace
} // namespace kxtest
