// TermPrint of any text into an open terminal: every stored line is the ">"
// and at most 51 characters, the rows show the last lines, and the text comes
// out whole and in order, less the line-break marks, the ">" marks before a
// line and the "--" that marks a continued piece.  The input is the text.
#include "Require.h"
#include "core/Game.h"
#include "support/FakePlatform.h"
#include "support/ScriptedRandom.h"
#include "terminal/frmTerminal.h"

#include <algorithm>

namespace {

using kxfuzz::Require;

constexpr std::size_t kLineWidth = 51;

// A started game with the terminal open, fresh for each input: the scroll bar
// keeps its place through a clear, so a text printed earlier would change the rows.
struct Terminal {
    Terminal()
    {
        platform.inputAnswers = {"neo"};
        game.start();
        game.dispatch([&] { game.load<kx::frmTerminal>(); });
    }
    kxtest::FakePlatform platform;
    kxtest::ScriptedRandom random;
    kx::Game game{platform, random};
};

std::string without(std::string text, std::string_view marks)
{
    std::erase_if(text, [&](char c) { return marks.find(c) != marks.npos; });
    return text;
}

void requireRowsShowTheEnd(const kx::Game& game)
{
    const int count = static_cast<int>(game.state.TermLineCount);
    const int top = std::max(count - kx::frmTerminal::kRows, 0);
    const auto& rows = game.find<kx::frmTerminal>()->Term;
    for (int i = top; i < count; ++i)
        Require(rows[i - top].Caption == game.state.TermLines[i], "the rows show the last lines");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Terminal terminal;
    kx::Game& game = terminal.game;
    const std::string text(reinterpret_cast<const char*>(data), size);
    game.dispatch([&] {
        game.TermClear();
        game.TermPrint(text);
    });
    const auto count = static_cast<std::size_t>(game.state.TermLineCount);
    const std::size_t breaks = std::ranges::count(text, kx::kLineBreak);
    Require(count > breaks, "each line of the text is stored");
    std::string printed;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& line = game.state.TermLines[i];
        Require(line.starts_with('>') && line.size() <= 1 + kLineWidth, "a stored line fits the screen");
        printed += line.substr(1);
    }
    const std::string marks{kx::kLineBreak, '>', '-'};
    Require(without(printed, marks) == without(text, marks), "the text comes out in order");
    const auto continued = static_cast<long>(count - breaks - 1);
    Require(std::ranges::count(printed, '-') == std::ranges::count(text, '-') + 2 * continued,
            "each continued piece adds one \"--\"");
    Require(std::ranges::count(printed, '>') <= std::ranges::count(text, '>'), "no \">\" is added");
    requireRowsShowTheEnd(game);
    return 0;
}
