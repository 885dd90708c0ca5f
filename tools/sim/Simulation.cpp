#include "Simulation.h"

#include "Player.h"
#include "Strategies.h"

#include "core/Records.h"

#include <chrono>
#include <functional>

namespace kxsim {

namespace {

// Each turn ends a day, by the strategy or by skipping it, so the game
// reaches its final day's end unless it is lost first.  `afterTurn` looks on
// after each turn, given the day the turn was played on.
void play(Strategy& strategy, Player& player, const std::function<void(int day)>& afterTurn = {})
{
    player.start();
    while (player.playing()) {
        const std::string status = player.statusLine();
        const int day = player.day();
        strategy.playDay(player);
        if (player.playing() && player.statusLine() == status)
            player.skipDay();
        if (afterTurn)
            afterTurn(day);
    }
}

std::uint64_t gameSeed(std::uint64_t seed, long game) { return seed << 32 ^ static_cast<std::uint64_t>(game); }

} // namespace

Tally PlayGames(const std::string& strategy, long games, std::uint64_t seed,
                const std::filesystem::path& folder)
{
    const auto start = std::chrono::steady_clock::now();
    Tally tally;
    for (long k = 1; k <= games; ++k) {
        Player player(gameSeed(seed, k), folder);
        play(*MakeStrategy(strategy), player);
        tally.scores.push_back(player.score());
        tally.lost += player.lost();
    }
    tally.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return tally;
}

std::vector<int> GuideDays(const std::string& strategy, std::uint64_t seed, const std::filesystem::path& folder)
{
    std::vector<int> days(kx::kGuideSteps, 0);
    // A first start on this machine, so the guide shows.
    const std::filesystem::path fresh = folder / "guide";
    std::filesystem::remove_all(fresh);
    std::filesystem::create_directories(fresh);
    Player player(gameSeed(seed, 1), fresh);
    play(*MakeStrategy(strategy), player, [&](int day) {
        for (const int step : player.guideTicked())
            if (days[step - 1] == 0)
                days[step - 1] = day;
    });
    return days;
}

} // namespace kxsim
