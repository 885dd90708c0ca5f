#include "core/Game.h"

namespace kx {

void Game::EndGame()
{
    if (state.DayCount == kFinalDay)
        return;
    if (ShowPager("Would you like to start a new game?", true) == 2)
        RestartGame();
}

} // namespace kx
