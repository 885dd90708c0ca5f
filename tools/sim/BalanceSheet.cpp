#include "BalanceSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kxsim {

namespace {

constexpr const char* kHeading = "%-8s %6s %8s %8s %8s %8s %8s %6s %8s";

// The score below which the share `q` of the sorted scores lies, by nearest rank.
double quantile(const std::vector<double>& sorted, double q)
{
    return sorted[static_cast<std::size_t>(std::lround(q * static_cast<double>(sorted.size() - 1)))];
}

} // namespace

std::string SheetHeader()
{
    char line[128];
    std::snprintf(line, sizeof line, kHeading, "strategy", "games", "min", "q1", "median", "q3", "max",
                  "lost%", "games/s");
    return line;
}

std::string SheetLine(const std::string& strategy, Tally tally)
{
    std::ranges::sort(tally.scores);
    const auto& s = tally.scores;
    const double games = static_cast<double>(s.size());
    char line[160];
    std::snprintf(line, sizeof line, "%-8s %6zu %8.0f %8.0f %8.0f %8.0f %8.0f %6.1f %8.1f",
                  strategy.c_str(), s.size(), s.front(), quantile(s, 0.25), quantile(s, 0.5),
                  quantile(s, 0.75), s.back(), 100 * tally.lost / games, games / tally.seconds);
    return line;
}

} // namespace kxsim
