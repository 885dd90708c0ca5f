#include "frmLedger.h"

#include "core/Game.h"
#include "core/Numbers.h"

namespace kx {

namespace {

const char* const kHeading = "Cash, debt and bank at the end of each day, and today's as they stand";

std::string money(float amount) { return "$" + WholeAmount(amount); }

std::string joined(const std::vector<std::string>& events)
{
    std::string text;
    for (const std::string& event : events)
        text += (text.empty() ? "" : "; ") + event;
    return text;
}

} // namespace

frmLedger::frmLedger(Game& game) : WindowOf(game)
{
    Label2 = {{75, 75, 9060, 210}, ""};
    Label3 = {{9180, 100, 140, 135}, ""};
    Label4 = {{9420, 100, 135, 135}, ""};
    Label1 = {{300, 420, 9000, 420}, kHeading};
    Chart1.rect = {300, 960, 9000, 3900};
    ListView1.rect = {300, 5010, 9000, 2850};
    ListView1.columns = {{"Day", "", 0.07}, {"Cash", "", 0.13}, {"Debt", "", 0.13}, {"Bank", "", 0.13},
                         {"Events", "", 0.52}};
    Command1 = {{4103, 8100, 1395, 315}, "Close"};
}

void frmLedger::Form_Load()
{
    Picture = game().state.Skin["ledger.jpg"];
    NoteFigures(game().state);
    RecordsChanged();
    game().Show(*this);
}

void frmLedger::RecordsChanged()
{
    const auto& days = game().state.Ledger;
    Chart1.series = {{"Cash", Chart::Mark::Circle, {}}, {"Debt", Chart::Mark::Square, {}},
                     {"Bank", Chart::Mark::Triangle, {}}};
    ListView1.items.clear();
    for (const LedgerDay& day : days) {
        Chart1.series[0].points.push_back({day.Day, day.Cash});
        Chart1.series[1].points.push_back({day.Day, day.Debt});
        Chart1.series[2].points.push_back({day.Day, day.Bank});
        ListView1.items.push_back({"", std::to_string(day.Day),
                                   {{"", money(day.Cash)}, {"", money(day.Debt)}, {"", money(day.Bank)},
                                    {"", joined(day.Events)}}});
    }
    Label1.Caption = ending_.empty() ? kHeading : ending_;
}

void frmLedger::ShowEnding(const std::string& summary)
{
    ending_ = summary;
    NoteFigures(game().state);
    RecordsChanged();
}

void frmLedger::Form_QueryUnload() { game().unload(*this); }

void frmLedger::Command1_Click() { game().unload(*this); }

void frmLedger::Label2_MouseDown() { game().platform().dragWindow(*this); }

void frmLedger::Label3_Click() { game().platform().minimiseWindow(*this); }

void frmLedger::Label4_Click() { game().unload(*this); }

} // namespace kx
