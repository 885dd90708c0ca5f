#pragma once

namespace kx {

class Game;

// Once each new day one of 25 things happens: a character pages the player
// with an offer, a favour, a login, some money, the shop opens, or nothing.
void DailyPagerEvents(Game& game);

} // namespace kx
