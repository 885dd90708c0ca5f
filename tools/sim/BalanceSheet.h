#pragma once

#include <string>
#include <vector>

namespace kxsim {

// What one strategy's games came to.
struct Tally {
    std::vector<double> scores; // the cash each game ended with
    int lost = 0; // games that ended in "Game Over."
    double seconds = 0; // the time they took to play
};

// The balance sheet's heading, and a strategy's line under it: the spread of
// the scores in whole dollars, the share of games lost and the pace of play.
std::string SheetHeader();
std::string SheetLine(const std::string& strategy, Tally tally);

} // namespace kxsim
