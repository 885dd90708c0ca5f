#pragma once

namespace kx {

class Game;

// The ending of a game, finished or lost: the ledger comes forward headed
// with the score, the cash on hand, and the game's place in the top ten
// (0 when it has none).
void ShowEnding(Game& game, int place);

} // namespace kx
