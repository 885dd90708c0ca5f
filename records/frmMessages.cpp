#include "frmMessages.h"

#include "core/Game.h"

namespace kx {

namespace {

constexpr std::size_t kOpeningWords = 10;

} // namespace

frmMessages::frmMessages(Game& game) : WindowOf(game)
{
    Label2 = {{75, 75, 7260, 210}, ""};
    Label3 = {{7380, 100, 140, 135}, ""};
    Label4 = {{7620, 100, 135, 135}, ""};
    Label1 = {{300, 420, 7200, 195}, "Pager messages of this game, newest first"};
    ListView1.rect = {300, 720, 7200, 2520};
    ListView1.columns = {{"Day", "", 0.1}, {"Message", "", 0.7}, {"Answer", "", 0.17}};
    Text1.rect = {300, 3390, 7200, 1980};
    Command1 = {{2010, 5580, 1395, 315}, "Copy Text"};
    Command2 = {{4395, 5580, 1395, 315}, "Close"};
}

void frmMessages::Form_Load()
{
    Picture = game().state.Skin["messages.jpg"];
    RecordsChanged();
    game().Show(*this);
}

void frmMessages::RecordsChanged()
{
    const auto& log = game().state.PagerLog;
    ListView1.items.clear();
    for (auto record = log.rbegin(); record != log.rend(); ++record)
        ListView1.items.push_back({"", std::to_string(record->Day),
                                   {{"", FirstWords(record->Text, kOpeningWords)}, {"", record->Answer}}});
    // Until the player chooses, the newest message is the one shown whole.
    if (!anyChosen_ || chosen_ >= log.size())
        chosen_ = log.empty() ? 0 : log.size() - 1;
    ListView1.selected = log.empty() ? 0 : static_cast<int>(log.size() - chosen_);
    Text1.Text = log.empty() ? "" : log[chosen_].Text;
    Command1.Enabled = !log.empty();
}

void frmMessages::ListView1_ItemClick(int item)
{
    const std::size_t count = game().state.PagerLog.size();
    if (item < 1 || static_cast<std::size_t>(item) > count)
        return;
    chosen_ = count - static_cast<std::size_t>(item);
    anyChosen_ = true;
    RecordsChanged();
}

void frmMessages::Command1_Click()
{
    if (!Text1.Text.empty())
        game().platform().setClipboardText(Text1.Text);
}

void frmMessages::Form_QueryUnload() { game().unload(*this); }

void frmMessages::Command2_Click() { game().unload(*this); }

void frmMessages::Label2_MouseDown() { game().platform().dragWindow(*this); }

void frmMessages::Label3_Click() { game().platform().minimiseWindow(*this); }

void frmMessages::Label4_Click() { game().unload(*this); }

} // namespace kx
