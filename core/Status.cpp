#include "Game.h"

#include "Numbers.h"
#include "frmRara.h"

namespace kx {

void Game::RefreshStatus()
{
    if (state.Funds < 0) {
        ShowPager("You don't have enough money!  Game Over.", false);
        EndGame();
    }
    DrawStatus();
}

void Game::DrawStatus()
{
    NoteFigures(state);
    RecordsChanged();
    frmRara* rara = find<frmRara>();
    if (!rara || ended_) {
        RateEquipment();
        return;
    }
    rara->Label9.Caption = "$" + WholeAmount(state.Funds);
    rara->Label10.Caption = WholeAmount(state.Items[2]);
    rara->Label11.Caption = WholeAmount(state.Items[1]);
    rara->Label12.Caption = "$" + WholeAmount(state.Debt);
    rara->Label14.Caption = "$" + WholeAmount(state.BankFunds);
    rara->Picture1.Cls();
    rara->Picture1.CurrentX = 5;
    rara->Picture1.CurrentY = 6;
    RateEquipment();
    if (!state.Alias.empty())
        rara->Picture1.Print(rara->StatusLine(true));
}

void Game::RateEquipment()
{
    static constexpr float kWeights[] = {20, 35, 15, 35, 25, 30, 40, 45};
    float rating = 0;
    for (int slot = 3; slot <= 10; ++slot)
        rating += kWeights[slot - 3] * state.Items[slot];
    state.EquipmentRating = rating;
}

void Game::RestartGame()
{
    if (ended_)
        return;
    unloadAll(false);
    state.Alias.clear();
    state.BankFunds = 0;
    state.FavourServer = 0;
    state.FavourReward = 0;
    for (int slot = 1; slot <= 10; ++slot)
        state.Items[slot] = 0;
    state.Funds = 0;
    if (Window* main = find(WindowKind::Rara))
        unload(*main);
    load<frmRara>();
}

} // namespace kx
