// "Load Game" on any file, in a game on the fake window system: the file is
// refused and the player's values stay as they were, or they are loaded with
// a day of 1 to 30, finite money and holdings and an alias.  The input is the file.
#include "Require.h"
#include "ScratchFile.h"
#include "core/Game.h"
#include "core/frmRara.h"
#include "support/FakePlatform.h"
#include "support/ScriptedRandom.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using kxfuzz::Require;

// The values a saved game holds, money first, then the day and the holdings.
struct Player {
    std::string alias;
    std::vector<float> numbers;
    bool operator==(const Player&) const = default;
};

Player playerOf(const kx::GameState& s)
{
    Player player{s.Alias, {s.Funds, s.Debt, s.BankFunds, s.DayCount}};
    player.numbers.insert(player.numbers.end(), s.Items.begin() + 1, s.Items.begin() + 11);
    return player;
}

void requireSane(const Player& player)
{
    Require(!player.alias.empty(), "a loaded game has an alias");
    const float day = player.numbers[3];
    Require(day >= 1 && day <= kx::kFinalDay && day == std::floor(day), "a loaded game is on day 1 to 30");
    Require(std::ranges::all_of(player.numbers, [](float v) { return std::isfinite(v); }),
            "a loaded game holds finite numbers");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kxfuzz::ScratchFile scratch("game.kxg");
    scratch.write({reinterpret_cast<const char*>(data), size});
    kxtest::FakePlatform platform;
    kxtest::ScriptedRandom random;
    kx::Game game(platform, random);
    platform.inputAnswers = {"neo"};
    game.start();
    const Player before = playerOf(game.state);

    platform.clearRecords();
    platform.pagerPresses = {kxtest::Yes};
    platform.fileAnswers = {scratch.path()};
    game.dispatch([&] { game.find<kx::frmRara>()->Command5_Click(); });
    const std::vector<std::string> told = platform.messageTexts();
    const std::string refusal = "That file is not a saved Kestrix game.  Nothing was changed.";
    const bool refused = std::ranges::find(told, refusal) != told.end();
    Require(told.size() >= 2 && told[0].starts_with("You will lose"), "loading asks, then tells");
    if (refused)
        Require(playerOf(game.state) == before, "a refused file changes nothing");
    else
        requireSane(playerOf(game.state));
    return 0;
}
