// TermPrint of any text into an open terminal: every stored line is the ">"
// and at most 51 characters, the rows show the last lines, and the text comes
// out whole and in order, less the line-break marks, the ">" marks before a
// line and the "--" that marks a continued piece.  The input is the text.
#include "Fuzzing.h"
#include "core/Game.h"
#include "support/FakePlatform.h"
#include "support/ScriptedRandom.h"
#include "terminal/frmTerminal.h"

using namespace kxfuzz;

namespace {

// The text without the break marks and the bytes that mark pieces.
std::string unmarked(std::string text)
{
    std::erase_if(text, [](char c) { return c == kx::kLineBreak || c == '>' || c == '-'; });
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A fresh game each time: the scroll bar keeps its place through a clear,
    // so an earlier text would change the rows.
    kxtest::FakePlatform platform;
    kxtest::ScriptedRandom random;
    kx::Game game{platform, random};
    platform.inputAnswers = {"neo"};
    game.start();
    const std::string text(AsText(data, size));
    game.dispatch([&] { game.load<kx::frmTerminal>(); });
    game.dispatch([&] {
        game.TermClear();
        game.TermPrint(text);
    });

    const auto& lines = game.state.TermLines;
    const auto& rows = game.find<kx::frmTerminal>()->Term;
    const auto count = static_cast<std::size_t>(game.state.TermLineCount);
    const auto breaks = static_cast<std::size_t>(std::ranges::count(text, kx::kLineBreak));
    Require(count > breaks, "each line of the text is stored");
    std::string printed;
    for (std::size_t i = 0; i < count; ++i) {
        Require(lines[i].starts_with('>') && lines[i].size() <= 1 + 51, "a stored line fits the screen");
        printed += lines[i].substr(1);
        const std::size_t shown = std::min<std::size_t>(count, rows.size()), row = i + shown - count;
        Require(i + shown < count || rows[row].Caption == lines[i], "the rows show the last lines");
    }
    Require(unmarked(printed) == unmarked(text), "the text comes out in order");
    const auto continued = static_cast<long>(count - breaks - 1);
    Require(std::ranges::count(printed, '-') == std::ranges::count(text, '-') + 2 * continued,
            "each continued piece adds one \"--\"");
    Require(std::ranges::count(printed, '>') <= std::ranges::count(text, '>'), "no \">\" is added");
    return 0;
}
