#include "Simulation.h"

#include "Player.h"
#include "Strategies.h"

#include <chrono>

namespace kxsim {

namespace {

// Each turn ends a day, by the strategy or by skipping it, so the game
// reaches its final day's end unless it is lost first.
void play(Strategy& strategy, Player& player)
{
    player.start();
    while (player.playing()) {
        const std::string day = player.statusLine();
        strategy.playDay(player);
        if (player.playing() && player.statusLine() == day)
            player.skipDay();
    }
}

} // namespace

Tally PlayGames(const std::string& strategy, long games, std::uint64_t seed,
                const std::filesystem::path& folder)
{
    const auto start = std::chrono::steady_clock::now();
    Tally tally;
    for (long k = 1; k <= games; ++k) {
        Player player(seed << 32 ^ static_cast<std::uint64_t>(k), folder);
        play(*MakeStrategy(strategy), player);
        tally.scores.push_back(player.score());
        tally.lost += player.lost();
    }
    tally.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return tally;
}

} // namespace kxsim
