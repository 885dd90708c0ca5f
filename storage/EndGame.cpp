#include "KeptFiles.h"
#include "ScoreList.h"
#include "core/Game.h"
#include "core/frmRara.h"

namespace kx {

void Game::EndGame()
{
    if (state.DayCount != kFinalDay) {
        if (ShowPager("Would you like to start a new game?", true) == 2)
            RestartGame();
        return;
    }
    // A game is ranked once; after that nothing of it changes any more.
    if (state.Finished)
        return;
    state.Finished = true;
    if (frmRara* rara = find<frmRara>())
        rara->ShowFinished(true);
    const Ranking ranking = RankInFile({state.Alias, state.Funds}, KeptFileToRead(*this, kScoreFileName),
                                       KeptFileToWrite(*this, kScoreFileName));
    if (!ranking.place)
        return;
    ShowPager(ranking.error ? WriteFailure(kScoresNotSaved, ranking.error)
                            : "You have a position in the high score list.",
              false);
}

} // namespace kx
