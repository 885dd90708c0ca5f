#include "core/Game.h"
#include "frmTerminal.h"

#include <algorithm>

namespace kx {

namespace {
constexpr std::size_t kLineWidth = 51; // a longer text wraps
constexpr std::size_t kWrapAt = 50;
} // namespace

void Game::TermPrint(const std::string& text)
{
    if (!terminal_)
        return;
    if (const auto marker = text.find(kLineBreak); marker != std::string::npos) {
        TermPrint(text.substr(0, marker));
        DoEvents();
        TermPrint(text.substr(marker + 1));
        return;
    }
    if (text.size() > kLineWidth) {
        // The added ">" goes again when the piece is stored; the rest is marked as continued.
        TermPrint(">" + text.substr(0, kWrapAt));
        TermPrint("--" + text.substr(kWrapAt));
        DoEvents();
        return;
    }
    DoEvents();
    if (!terminal_)
        return;
    const auto count = static_cast<std::size_t>(state.TermLineCount);
    state.TermLines.resize(std::max(state.TermLines.size() + 1, count + 1));
    std::string body = text;
    body.erase(0, body.find_first_not_of('>'));
    state.TermLines[count] = ">" + body;
    state.TermLineCount = state.TermLineCount + 1;
    TermRefresh();
}

void Game::TermRefresh()
{
    if (!terminal_)
        return;
    frmTerminal& terminal = *terminal_;
    const int count = static_cast<int>(state.TermLineCount);
    const int top = std::max(count - frmTerminal::kRows, 0);
    for (int i = top; i < count; ++i)
        terminal.Term[i - top].Caption = state.TermLines[i];
    terminal.SetScrollMax(count);
    if (count > frmTerminal::kRows)
        terminal.SetScrollValue(count - frmTerminal::kRows);
}

void Game::TermClear()
{
    state.TermLines.assign(1, std::string());
    state.TermLineCount = 0;
    if (terminal_)
        for (auto& row : terminal_->Term)
            row.Caption.clear();
}

ServerRecord* Game::ConnectedServerOrNull()
{
    const float index = state.ServerIndex;
    if (!(index >= 1 && index <= kServerSlots)) // also false for NaN
        return nullptr;
    return &state.Server[static_cast<int>(index)];
}

ServerRecord& Game::ConnectedServer()
{
    ServerRecord* server = ConnectedServerOrNull();
    return server ? *server : state.Server[0];
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
