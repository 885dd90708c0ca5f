#pragma once

#include "core/Game.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kxsoak {

// Plays one game of a random player, seeded, to its end or `maxSteps`;
// throws std::runtime_error naming the step and the first rule it broke.
int PlayGame(std::uint64_t seed, int maxSteps);

// What a step started from, for the rules that compare before and after.
struct Before {
    unsigned generation = 0;
    std::vector<const kx::Window*> windows; // loaded as the step began
    long blocked = 0; // servers that have locked the player out
};
Before Remember(const kx::Game& game);
// The first rule of the game broken after a step, or "".
std::string BrokenRule(const kx::Game& game, const Before& before);

} // namespace kxsoak
