#include "frmGuide.h"

#include "core/Game.h"
#include "storage/GuideSetting.h"

#include <algorithm>
#include <array>

namespace kx {

namespace {

struct Step {
    const char* title;
    const char* how;
};

const std::array<Step, kGuideSteps> kSteps{{
    {"Pick a server and connect",
     "Choose a server in the list with a high Vuln (10 is the easiest) and press Connect.  The terminal "
     "opens and asks for a login name."},
    {"Log in",
     "Type the login name if you know it, or type prgmname to crack it; then prgmpass at the password "
     "prompt.  Every wrong try may lock you out of that server for good."},
    {"Read the files",
     "Type dir to list the server's files and read followed by a number to show one.  One file gives away "
     "the largest payment that slips through unnoticed; another is the payment database."},
    {"Write a payment",
     "Type write, the payment database's name, an amount within that limit and how many forwarding bank "
     "accounts to route it through.  Over the limit, enough accounts can still keep you out of jail."},
    {"See the day out",
     "A payment, or Skip Day, ends the day: the debt grows by 10 %, the bank pays 1 %, and new servers "
     "come.  Finances pays the debt back or lends more; the shop sells accounts and equipment when it "
     "opens."},
    {"Save, and aim high",
     "Save Game keeps the game for later, but the saved game is a day further on.  After thirty days the "
     "cash on hand is your score, and the ten best games make the top ten."},
}};

} // namespace

frmGuide::frmGuide(Game& game) : WindowOf(game)
{
    Label2 = {{75, 75, 4860, 210}, ""};
    Label3 = {{4980, 100, 140, 135}, ""};
    Label4 = {{5220, 100, 135, 135}, ""};
    Label1 = {{300, 420, 4800, 195}, "Your first break-in"};
    ListView1.rect = {300, 720, 4800, 2220};
    ListView1.columns = {{"Step", "", 0.14}, {"What to do", "", 0.64}, {"Done", "", 0.18}};
    Label5 = {{300, 3090, 4800, 1950}, ""};
    Command1 = {{2003, 5400, 1395, 315}, "Close"};
}

void frmGuide::Form_Load()
{
    Picture = game().state.Skin["guide.jpg"];
    RecordsChanged();
    game().Show(*this);
}

void frmGuide::RecordsChanged()
{
    const GameState& s = game().state;
    ListView1.items.clear();
    for (int step = 1; step <= kGuideSteps; ++step)
        ListView1.items.push_back({"", std::to_string(step),
                                   {{"", kSteps[step - 1].title}, {"", s.GuideTicks[step] ? "done" : ""}}});
    // A step done moves the guide on to the next; until then the step the
    // player chose stays shown.
    const int current = std::min(CurrentGuideStep(s), kGuideSteps);
    if (current != current_)
        ShowStep(current_ = current);
}

void frmGuide::ShowStep(int step)
{
    ListView1.selected = step;
    Label5.Caption = kSteps[step - 1].how;
}

void frmGuide::ListView1_ItemClick(int item)
{
    if (item >= 1 && item <= kGuideSteps)
        ShowStep(item);
}

void frmGuide::CloseForGood()
{
    game().state.GuideOn = false;
    KeepGuideWanted(game(), false);
    game().unload(*this);
}

void frmGuide::Form_QueryUnload() { CloseForGood(); }

void frmGuide::Command1_Click() { CloseForGood(); }

void frmGuide::Label2_MouseDown() { game().platform().dragWindow(*this); }

void frmGuide::Label3_Click() { game().platform().minimiseWindow(*this); }

void frmGuide::Label4_Click() { CloseForGood(); }

} // namespace kx
