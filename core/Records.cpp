#include "Records.h"

#include "Game.h"
#include "GameState.h"

#include <algorithm>

namespace kx {

namespace {

// Before the first game there is no day to keep anything under.
int today(const GameState& s) { return std::max(1, static_cast<int>(s.DayCount)); }

// The row of today, made when the day has none yet; rows of later days belong
// to a game that a loaded one replaced.
LedgerDay& todaysRow(GameState& s)
{
    const int day = today(s);
    while (!s.Ledger.empty() && s.Ledger.back().Day > day)
        s.Ledger.pop_back();
    if (s.Ledger.empty() || s.Ledger.back().Day != day)
        s.Ledger.push_back({day, s.Funds, s.Debt, s.BankFunds, {}});
    return s.Ledger.back();
}

} // namespace

void ClearRecords(GameState& s)
{
    s.PagerLog.clear();
    s.Ledger.clear();
}

void RecordMessage(GameState& s, const std::string& text, const std::string& answer)
{
    if (s.PagerLog.size() >= kMessagesKept)
        s.PagerLog.erase(s.PagerLog.begin(), s.PagerLog.end() - (kMessagesKept - 1));
    s.PagerLog.push_back({today(s), text, answer});
}

void NoteFigures(GameState& s)
{
    LedgerDay& row = todaysRow(s);
    row.Cash = s.Funds;
    row.Debt = s.Debt;
    row.Bank = s.BankFunds;
}

void NoteEvent(GameState& s, const std::string& event)
{
    LedgerDay& row = todaysRow(s);
    if (row.Events.size() < kEventsKept)
        row.Events.push_back(event);
}

void TickGuide(Game& game, GuideStep step)
{
    bool& ticked = game.state.GuideTicks[static_cast<int>(step)];
    if (ticked)
        return;
    ticked = true;
    game.RecordsChanged();
}

int CurrentGuideStep(const GameState& s)
{
    int step = 1;
    while (step <= kGuideSteps && s.GuideTicks[step])
        ++step;
    return step;
}

std::string FirstWords(const std::string& text, std::size_t words)
{
    std::string opening;
    std::size_t at = 0, taken = 0;
    while (taken < words) {
        const std::size_t start = text.find_first_not_of(' ', at);
        if (start == std::string::npos)
            return opening;
        const std::size_t end = std::min(text.find(' ', start), text.size());
        opening += (opening.empty() ? "" : " ") + text.substr(start, end - start);
        at = end;
        ++taken;
    }
    return text.find_first_not_of(' ', at) == std::string::npos ? opening : opening + "...";
}

} // namespace kx
