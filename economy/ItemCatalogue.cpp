#include "ItemCatalogue.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include <array>
#include <cmath>

namespace kx {

namespace {

struct CatalogueItem {
    const char* name;
    float basePrice;
    int lastDraw; // of a draw from 1 to 200; each item takes the draws above the one before
};

constexpr std::array<CatalogueItem, kCatalogueItems> kCatalogue{{
    {"Forwarding Bank Account", 50, 25},
    {"Holding Bank Account", 50, 50},
    {"High Speed Modem", 300, 60},
    {"Roll Over Box", 650, 70},
    {"Anti Virus Software", 75, 100},
    {"Connection Monitor", 155, 120},
    {"New Computer", 3000, 125},
    {"T1 Connection", 1250, 140},
    {"IP Router", 130, 155},
    {"SubServer Connection Shadower", 760, 170},
    {"Tip", 400, 200},
}};

int ItemDrawn(int draw)
{
    int n = 1;
    while (n < kCatalogueItems && draw > kCatalogue[n - 1].lastDraw)
        ++n;
    return n;
}

std::optional<int> CatalogueNumber(const std::string& name)
{
    for (int n = 1; n <= kCatalogueItems; ++n)
        if (name == kCatalogue[n - 1].name)
            return n;
    return std::nullopt;
}

} // namespace

std::string ItemName(int n)
{
    return n >= 1 && n <= kCatalogueItems ? kCatalogue[n - 1].name : "";
}

std::optional<int> ItemNumber(const GameState& state, const std::string& name, bool byName)
{
    if (byName)
        return CatalogueNumber(name);
    std::optional<int> found;
    for (const GameState::CatalogueRecord& record : state.ItemCatalogue)
        if (record.Name == name)
            found = static_cast<int>(record.Number);
    return found;
}

std::optional<int> ItemPicture(const std::string& name)
{
    const std::optional<int> n = CatalogueNumber(name);
    return n ? std::optional(*n + 1) : std::nullopt;
}

std::int16_t QuotePrice(Game& game, float n)
{
    const int item = static_cast<int>(n);
    if (item < 1 || item > kCatalogueItems)
        return 0;
    const double base = kCatalogue[item - 1].basePrice;
    const bool up = game.Random(2) == 1;
    const double share = game.RandomUniform() / 10.0;
    return RoundHalfUp(up ? base + base * share : base - base * share);
}

void StockShop(Game& game)
{
    const int count = game.Random(10);
    game.state.ItemCatalogue.assign(static_cast<std::size_t>(count), {});
    for (GameState::CatalogueRecord& record : game.state.ItemCatalogue) {
        const int n = ItemDrawn(game.Random(200));
        record = {ItemName(n), static_cast<float>(n)};
    }
}

void ClearShop(GameState& state)
{
    state.ItemCatalogue.clear();
    state.ShopStock.fill(0);
    state.ItemPrice.fill(0);
}

} // namespace kx
