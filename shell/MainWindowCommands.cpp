#include "core/frmRara.h"

#include "core/Game.h"
#include "core/LongAction.h"
#include "core/Numbers.h"
#include "core/World.h"
#include "economy/ItemCatalogue.h"
#include "economy/frmFinance.h"
#include "servers/ServerFiles.h"
#include "shell/frmGuide.h"
#include "shell/frmMenu.h"
#include "storage/GuideSetting.h"
#include "storage/SavedGame.h"
#include "storage/ScoreList.h"
#include "storage/Skins.h"
#include "terminal/frmTerminal.h"

// The main window's commands that start a game and open the other windows.
namespace kx {

namespace {

const char* const kWelcome =
    "Welcome to Kestrix.  You're starting with a debt of $4,000 that will rise %10 each day.  "
    "Each time you hack into something, or get caught by the police while hacking, one day will "
    "pass.  You will also recieve messages from us when you need help, or even when we need "
    "help.  Click 'Okay' to continue the game.";

} // namespace

void frmRara::Form_Load()
{
    Game& g = game();
    GameState& s = g.state;
    const LongAction newGame(*this);
    ClearRecords(s);
    s.SoundOn = true;
    // Asked before the skin's settings are first written, which tell a first start.
    s.GuideOn = GuideWanted(g);
    if (s.GuideOn)
        s.GuideTicks = {};
    StartSkin(g);
    g.Show(*this);
    if (s.GuideOn)
        g.load<frmGuide>();
    s.DayCount = 1;
    s.Finished = false;
    s.FavourReward = 0;
    s.FavourServer = 0;
    s.Funds = 2000;
    s.Items[2] = 1;
    s.Items[1] = 2;
    s.Debt = 4000;
    g.RefreshStatus();
    g.SeedRandom();
    Region = MakeWindowShape(1, 1, 0, 0, kTwipsPerPixel, kTwipsPerPixel);
    SetUpColumns();
    FillWordPools(g);
    GenerateServers(g);
    ListServers();
    g.ShowPager(kWelcome, false);
    if (!newGame || !AskAlias())
        return;
    Picture1.CurrentX = 5;
    Picture1.CurrentY = 6;
    Picture1.Print(StatusLine(false));
    for (Button* b : {&Command3, &Command4, &Command5, &Command6, &Command7, &Command1})
        b->Enabled = true;
}

bool frmRara::AskAlias()
{
    Game& g = game();
    const LongAction asking(*this);
    while (g.state.Alias.empty()) {
        std::string alias = g.InputBox("Please enter your alias.", "Welcome newbie!", "Newbie");
        if (!asking)
            return false;
        const std::string lower = LowerCase(alias);
        if (lower == "tavrik") {
            g.ShowPager("There can be only one Tavrik :]", false);
            if (!asking)
                return false;
            alias.clear();
        } else if (lower == "qelvun") {
            alias = "Tavrik";
        } else if (!alias.empty() && !AliasKeepsInFiles(alias)) {
            g.ShowPager("Some letters of that alias would not survive a saved game.  Please choose "
                        "another one.", false);
            if (!asking)
                return false;
            alias.clear();
        }
        g.state.Alias = alias;
    }
    return true;
}

void frmRara::Command1_Click()
{
    Game& g = game();
    GameState& s = g.state;
    if (ListView1.selected >= 1 && ListView1.selected <= static_cast<int>(ListView1.items.size())) {
        s.CurrentServerName = ListView1.items[ListView1.selected - 1].text;
        s.ServerIndex = static_cast<float>(g.FindServer(s.CurrentServerName).value_or(0));
    }
    if (frmTerminal* old = g.find<frmTerminal>())
        g.unload(*old);
    frmTerminal& terminal = g.load<frmTerminal>();
    // Connecting waits; another connection or a new game meanwhile takes over.
    const LongAction connecting(terminal);
    if (!connecting)
        return;
    g.DoEvents();
    if (!connecting)
        return;
    GenerateServerFiles(g);
    g.PlaySound("/sounds/type1.wav");
}

void frmRara::Command2_Click()
{
    if (Command2.Caption != "Items") {
        ListView2.Visible = false;
        ListView1.Visible = true;
        Command2.Caption = "Items";
        return;
    }
    ListView2.Visible = true;
    ListView1.Visible = false;
    Command2.Caption = "Servers";
    // The list shows the holdings as they are now; it is not kept up to date.
    ListView2.columns = {{"Item name", "", 0.73}, {"Amount", "", 0.23}};
    ListView2.items.clear();
    for (int n = 1; n < kTip; ++n)
        ListView2.items.push_back(
            {"", ItemName(n), {{"", NumberText(game().state.Items[n])}}});
}

void frmRara::Command3_Click()
{
    Game& g = game();
    g.ShowModal(g.load<frmFinance>());
}

void frmRara::Command4_Click() { SaveGame(game()); }

void frmRara::Command5_Click() { LoadGame(game()); }

void frmRara::Command7_Click()
{
    Game& g = game();
    frmMenu* menu = g.find<frmMenu>();
    if (!menu)
        menu = &g.load<frmMenu>();
    // The menu waits for the player; a new game meanwhile takes the menu away with it.
    const LongAction choosing(*menu);
    menu->Item("mnuGuide")->Checked = g.state.GuideOn; // the guide may have been closed since
    const std::string chosen = g.platform().popupMenu(*this, Command7.rect, menu->mnuOther);
    if (choosing)
        menu->Click(chosen);
}

void frmRara::MenuKey(const std::string& name)
{
    if (!Command7.Enabled)
        return;
    frmMenu* menu = game().find<frmMenu>();
    (menu ? *menu : game().load<frmMenu>()).Click(name);
}

} // namespace kx
