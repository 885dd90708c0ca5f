#include "core/Game.h"
#include "core/World.h"
#include "core/frmRara.h"
#include "economy/DailyPagerEvents.h"

// The passing of a day: debt and bank grow, a new world, the day's message.
namespace kx {

void Game::EndDay(const std::function<void()>& beforeNewWorld)
{
    NoteFigures(state);
    if (state.DayCount >= kFinalDay) {
        // The day's payment or bail may have moved the cash: the finished
        // game shows what the top ten ranks.
        DrawStatus();
        EndGame();
        return;
    }
    AdvanceDay();
    if (beforeNewWorld)
        beforeNewWorld();
    FillServerList();
    RefreshStatus();
}

void Game::AdvanceDay()
{
    state.DayCount = state.DayCount + 1;
    state.Debt = static_cast<float>(static_cast<double>(state.Debt) * 1.1);
    state.BankFunds = static_cast<float>(static_cast<double>(state.BankFunds) * 1.01);
    TickGuide(*this, GuideStep::NextDay);
}

void Game::FillServerList()
{
    GenerateServers(*this);
    if (frmRara* rara = find<frmRara>())
        rara->ListServers();
    DailyPagerEvents(*this);
}

} // namespace kx
