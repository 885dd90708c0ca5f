#pragma once

#include "BalanceSheet.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kxsim {

// Plays games 1 to `games` of the strategy, each from a seed of its own made
// from `seed`, so that a run plays the same games again.  The games keep
// their files (the top ten, the skin setting) in `folder`.
Tally PlayGames(const std::string& strategy, long games, std::uint64_t seed,
                const std::filesystem::path& folder);

// Plays the first game of the strategy as PlayGames does, with the guide
// shown, and gives the day on which the guide ticked each of its steps, 0 for
// a step it never ticked.
std::vector<int> GuideDays(const std::string& strategy, std::uint64_t seed, const std::filesystem::path& folder);

} // namespace kxsim
