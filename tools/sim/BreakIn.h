#pragma once

#include <optional>
#include <string>

namespace kxsim {

class Player;

// A server the player is logged in to, with what its files told.
struct Target {
    std::string database; // the payment database file
    double limit; // the largest payment it sends unnoticed
};

// Breaks into today's most vulnerable servers, the easiest first, with the
// crackers, until one lets the player in and its files betray the limit.
std::optional<Target> BreakIn(Player& player);

} // namespace kxsim
