#pragma once

#include <cstdint>

namespace kxsoak {

// Plays one game of a random player, seeded, to its end or `maxSteps`, and
// checks the game's rules after every step; throws std::runtime_error naming
// the step and the first rule broken.
int PlayGame(std::uint64_t seed, int maxSteps);

} // namespace kxsoak
