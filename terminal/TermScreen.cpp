#include "core/Game.h"
#include "core/LongAction.h"
#include "frmTerminal.h"

#include <algorithm>
#include <string_view>

namespace kx {

namespace {

constexpr std::size_t kLineWidth = 51; // a longer text wraps
constexpr std::size_t kWrapAt = 50;
const std::string kContinued = "--";

} // namespace

void Game::TermPrint(std::string text)
{
    auto* terminal = find<frmTerminal>();
    if (!terminal)
        return;
    const LongAction output(*terminal);
    // Each line between markers is wrapped into pieces of at most 51
    // characters; every piece after the first is marked as continued.
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(kLineBreak, start), text.size());
        std::string_view rest(text.data() + start, end - start);
        std::string_view mark;
        bool wrapped = false;
        while (mark.size() + rest.size() > kLineWidth) {
            // The added ">" goes again when the piece is stored.
            const std::size_t taken = kWrapAt - mark.size();
            if (!printPiece(output, ">" + std::string(mark) + std::string(rest.substr(0, taken))))
                return;
            rest.remove_prefix(taken);
            mark = kContinued;
            wrapped = true;
        }
        if (!printPiece(output, std::string(mark) + std::string(rest)))
            return;
        if (wrapped)
            DoEvents();
        if (end == text.size())
            return;
        DoEvents();
        start = end + 1;
    }
}

bool Game::printPiece(const LongAction& output, std::string piece)
{
    DoEvents();
    if (!output)
        return false;
    const auto count = static_cast<std::size_t>(state.TermLineCount);
    state.TermLines.resize(std::max(state.TermLines.size() + 1, count + 1));
    piece.erase(0, piece.find_first_not_of('>'));
    state.TermLines[count] = ">" + piece;
    state.TermLineCount = state.TermLineCount + 1;
    TermRefresh();
    return true;
}

void Game::TermRefresh()
{
    auto* terminal = find<frmTerminal>();
    if (!terminal)
        return;
    const int count = static_cast<int>(state.TermLineCount);
    const int top = std::max(count - frmTerminal::kRows, 0);
    for (int i = top; i < count; ++i)
        terminal->Term[i - top].Caption = state.TermLines[i];
    terminal->SetScrollMax(count);
    if (count > frmTerminal::kRows)
        terminal->SetScrollValue(count - frmTerminal::kRows);
}

void Game::TermClear()
{
    state.TermLines.assign(1, std::string());
    state.TermLineCount = 0;
    if (auto* terminal = find<frmTerminal>())
        for (auto& row : terminal->Term)
            row.Caption.clear();
}

void frmTerminal::SetScrollMax(int max)
{
    VScroll1.Max = max;
    // A bar never stands beyond its end: it moves back and redraws, as a drag would.
    if (VScroll1.Value > max)
        SetScrollValue(max);
}

void frmTerminal::SetScrollValue(int value)
{
    if (VScroll1.Value == value)
        return;
    VScroll1.Value = value;
    VScroll1_Change();
}

void frmTerminal::ScrollBy(int lines)
{
    SetScrollValue(std::clamp(VScroll1.Value + lines, VScroll1.Min, std::max(VScroll1.Min, VScroll1.Max)));
}

void frmTerminal::VScroll1_Change()
{
    const GameState& s = game().state;
    const int count = static_cast<int>(s.TermLineCount);
    const int v = VScroll1.Value;
    for (int k = 0; k < kRows; ++k)
        if (v + k >= 0 && v + k < count)
            Term[k].Caption = s.TermLines[v + k];
    // The bar reaches past the last line, so the rows below it go blank.
    if (v > count - kRows)
        for (int k = std::max(count - v, 0); k < kRows; ++k)
            Term[k].Caption.clear();
}

void frmTerminal::Term_MouseDown(int index, int button, int shift, double, double)
{
    if (index < 0 || index >= kRows)
        return;
    const bool shiftAlone = shift == 1;
    if (button == 1 && !shiftAlone)
        Term[index].Selected = !Term[index].Selected;
    else if (button == 1)
        FloodSelect(index, true);
    else if (button == 2 && !shiftAlone)
        for (auto& row : Term)
            row.Selected = false;
    else if (button == 2)
        FloodSelect(index, false);
}

// Fills from the nearest row above the click to the nearest row below it that
// are already in the wanted state; a bound that is not found is row 0.
void frmTerminal::FloodSelect(int index, bool selected)
{
    int top = 0, bottom = 0;
    for (int i = index; i >= 0; --i)
        if (Term[i].Selected == selected) {
            top = i;
            break;
        }
    for (int i = index; i < kRows; ++i)
        if (Term[i].Selected == selected) {
            bottom = i;
            break;
        }
    for (int i = top; i <= bottom; ++i)
        Term[i].Selected = selected;
}

void frmTerminal::Command4_Click()
{
    std::string text;
    for (const auto& row : Term)
        if (row.Selected)
            text += row.Caption + "\r\n";
    if (text.empty())
        return;
    text.resize(text.size() - 2);
    game().platform().setClipboardText(text);
}

} // namespace kx
