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
    ScoreList scores = ReadScores(KeptFileToRead(*this, kScoreFileName));
    if (!RankScore(scores, {state.Alias, state.Funds}))
        return;
    const std::error_code error = WriteScores(scores, KeptFileToWrite(*this, kScoreFileName));
    ShowPager(error ? WriteFailure(kScoresNotSaved, error) : "You have a position in the high score list.",
              false);
}

} // namespace kx
