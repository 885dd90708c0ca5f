#include "KeptFiles.h"
#include "ScoreList.h"
#include "core/Game.h"
#include "core/frmRara.h"
#include "frmScorelist.h"
#include "records/Ending.h"

namespace kx {

void Game::EndGame()
{
    if (state.DayCount != kFinalDay) {
        ShowEnding(*this, 0);
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
    if (ranking.place)
        ShowPager(ranking.error ? WriteFailure(kScoresNotSaved, ranking.error)
                                : "You have a position in the high score list.",
                  false);
    if (ended_ || !state.Finished)
        return; // a new game started while the message was up
    const int place = ranking.error ? 0 : ranking.place.value_or(0);
    ShowEnding(*this, place);
    if (frmScorelist* open = find<frmScorelist>())
        open->ShowPlace(place);
    else
        load<frmScorelist>().ShowPlace(place);
}

} // namespace kx
