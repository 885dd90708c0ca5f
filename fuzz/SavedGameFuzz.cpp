// "Load Game" on any file, in a game on the fake window system: the file is
// refused and the player's values stay as they were, or they are loaded with
// a day of 1 to 30, finite money and holdings and an alias, and with records
// the game could have kept: at most the messages kept, on days of a game, and
// a ledger of rising days up to the loaded one, which a save writes back as
// read.  The input is the file.
#include "Fuzzing.h"
#include "core/Game.h"
#include "core/frmRara.h"
#include "storage/SavedRecords.h"
#include "support/FakePlatform.h"
#include "support/ScriptedRandom.h"

#include <cmath>
#include <utility>
#include <vector>

using namespace kxfuzz;

namespace {

// The values a saved game holds: the alias; the money, the day and the holdings.
std::pair<std::string, std::vector<float>> playerOf(const kx::GameState& s)
{
    std::vector<float> numbers{s.Funds, s.Debt, s.BankFunds, s.DayCount};
    numbers.insert(numbers.end(), s.Items.begin() + 1, s.Items.begin() + 11);
    return {s.Alias, numbers};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch("game.kxg");
    scratch.write(AsText(data, size));
    kxtest::FakePlatform platform;
    kxtest::ScriptedRandom random;
    kx::Game game(platform, random);
    platform.inputAnswers = {"neo"};
    game.start();
    const auto before = playerOf(game.state);
    platform.clearRecords();
    platform.pagerPresses = {kxtest::Yes};
    platform.fileAnswers = {scratch.path()};
    game.dispatch([&] { game.find<kx::frmRara>()->Command5_Click(); });

    const std::vector<std::string> told = platform.messageTexts();
    Require(told.size() >= 2 && told[0].starts_with("You will lose"), "loading asks, then tells");
    const auto [alias, numbers] = playerOf(game.state);
    if (told[1] == "That file is not a saved Kestrix game.  Nothing was changed.") {
        Require(std::pair(alias, numbers) == before, "a refused file changes nothing");
        return 0;
    }
    Require(!alias.empty(), "a loaded game has an alias");
    Require(numbers[3] >= 1 && numbers[3] <= kx::kFinalDay && numbers[3] == std::floor(numbers[3]),
            "a loaded game is on day 1 to 30");
    Require(std::ranges::all_of(numbers, [](float v) { return std::isfinite(v); }),
            "a loaded game holds finite numbers");
    const kx::GameState& s = game.state;
    Require(s.PagerLog.size() <= kx::kMessagesKept, "the log keeps its bound");
    Require(std::ranges::all_of(s.PagerLog, [](const kx::PagerRecord& r) { return r.Day >= 1 && r.Day <= 30; }),
            "every message has a day of a game");
    for (std::size_t i = 0; i < s.Ledger.size(); ++i)
        Require(std::isfinite(s.Ledger[i].Cash) && s.Ledger[i].Day <= s.DayCount &&
                    (i == 0 || s.Ledger[i - 1].Day < s.Ledger[i].Day),
                "the ledger's days rise to the loaded one, with finite figures");
    Require(!s.Ledger.empty() && s.Ledger.back().Day == s.DayCount, "the loaded day has its row");
    Require(kx::ReadMessages(kx::MessagesValue(s.PagerLog)) == s.PagerLog &&
                kx::ReadLedger(kx::LedgerValue(s.Ledger)) == s.Ledger,
            "the records read back as they are written");
    return 0;
}
