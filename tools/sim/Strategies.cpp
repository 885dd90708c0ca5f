#include "Strategies.h"

#include "BreakIn.h"
#include "Player.h"
#include "economy/ItemCatalogue.h"

#include <algorithm>
#include <cmath>

namespace kxsim {

namespace {

// Lets every day pass without a break-in.
class Skip final : public Strategy {
public:
    void playDay(Player& player) override { player.skipDay(); }
};

// Breaks into the easiest server and pays itself what the hint file says
// goes unnoticed, through the forwarding accounts it owns; it buys them in
// the shop while it has fewer than the easiest server would need to keep a
// discovered payment from being traced.
class Hint : public Strategy {
public:
    void playDay(Player& player) override
    {
        if (player.shopOpen()) {
            shop(player);
            player.closeShop();
        }
        const auto target = BreakIn(player);
        if (!target)
            return;
        const long accounts = std::lround(std::max(player.forwardingAccounts(), 0.0));
        player.command("write " + target->database + " " + std::to_string(std::lround(amount(*target))) +
                       " " + std::to_string(accounts));
    }

protected:
    virtual double amount(const Target& target) const { return target.limit; }
    virtual void shop(Player& player)
    {
        const auto servers = player.servers();
        if (servers.empty())
            return;
        const int wanted = std::ranges::max(servers, {}, &ListedServer::vulnerability).securityFactor();
        while (player.forwardingAccounts() < wanted && player.buy(kx::ItemName(1))) {
        }
    }
};

// Pays itself ten times what the server sends unnoticed.
class Greedy final : public Hint {
    double amount(const Target& target) const override { return 10 * target.limit; }
};

// Spends what it can on equipment first, which may let a caught payment
// through, then shops and plays as the hint player does.
class Gear final : public Hint {
    void shop(Player& player) override
    {
        for (int item = 3; item <= 10; ++item)
            while (player.buy(kx::ItemName(item))) {
            }
        Hint::shop(player);
    }
};

template <typename S> std::unique_ptr<Strategy> make() { return std::make_unique<S>(); }

const std::pair<std::string, std::unique_ptr<Strategy> (*)()> kStrategies[] = {
    {"skip", make<Skip>}, {"hint", make<Hint>}, {"greedy", make<Greedy>}, {"gear", make<Gear>}};

} // namespace

const std::vector<std::string>& StrategyNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& [name, make] : kStrategies)
            all.push_back(name);
        return all;
    }();
    return names;
}

std::unique_ptr<Strategy> MakeStrategy(const std::string& name)
{
    for (const auto& [known, make] : kStrategies)
        if (known == name)
            return make();
    return nullptr;
}

} // namespace kxsim
