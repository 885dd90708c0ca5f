#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kx {

class Game;
struct GameState;

// The eleven items the shop deals in; the tip is used up when bought.
inline constexpr int kCatalogueItems = 11;
inline constexpr int kTip = 11;

// The item's name, or "" for a number outside 1 to 11.
std::string ItemName(int n);
// The item called `name`: looked up in the shop's assortment of this visit, or
// with `byName` in the catalogue itself.  Names match exactly.
std::optional<int> ItemNumber(const GameState& state, const std::string& name, bool byName = false);
// The item's picture in the shop's image list (2 to 12; picture 1 is no item's).
std::optional<int> ItemPicture(const std::string& name);
// A price for this visit, within a tenth of the base price either way.
std::int16_t QuotePrice(Game& game, float n);
// Draws a fresh assortment of one to ten items.
void StockShop(Game& game);
// Forgets the assortment, the stock and the prices.
void ClearShop(GameState& state);

} // namespace kx
