#pragma once

#include "BalanceSheet.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace kxsim {

// Plays games 1 to `games` of the strategy, each from a seed of its own made
// from `seed`, so that a run plays the same games again.  The games keep
// their files (the top ten, the skin setting) in `folder`.
Tally PlayGames(const std::string& strategy, long games, std::uint64_t seed,
                const std::filesystem::path& folder);

} // namespace kxsim
