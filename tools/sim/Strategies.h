#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kxsim {

class Player;

// A way to play a day.  A day it does not end is skipped.
class Strategy {
public:
    virtual ~Strategy() = default;
    virtual void playDay(Player& player) = 0;
};

// The strategies by name, in the order of the balance sheet.
const std::vector<std::string>& StrategyNames();
// The strategy of that name, or null.
std::unique_ptr<Strategy> MakeStrategy(const std::string& name);

} // namespace kxsim
