#include "Ending.h"

#include "core/Game.h"
#include "core/Numbers.h"
#include "frmLedger.h"

namespace kx {

void ShowEnding(Game& game, int place)
{
    const GameState& s = game.state;
    const std::string when = s.DayCount >= kFinalDay
                                 ? "The thirty days are over."
                                 : "Game over on day " + std::to_string(static_cast<int>(s.DayCount)) + ".";
    const std::string where = place > 0 ? "place " + std::to_string(place) + " in the top ten" : "not in the top ten";
    frmLedger* ledger = game.find<frmLedger>();
    if (!ledger)
        ledger = &game.load<frmLedger>();
    ledger->ShowEnding(when + "  Your score is the cash on hand, $" + FormatAmount(s.Funds) + ": " + where + ".");
    game.Show(*ledger);
}

} // namespace kx
