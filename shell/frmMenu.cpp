#include "frmMenu.h"

#include "core/Game.h"
#include "frmCredits.h"
#include "frmGuide.h"
#include "storage/GuideSetting.h"
#include "records/frmLedger.h"
#include "records/frmMessages.h"
#include "storage/KeptFiles.h"
#include "storage/Skins.h"
#include "storage/WindowSize.h"
#include "storage/frmScorelist.h"

#include <utility>

namespace kx {

namespace {

MenuItem item(std::string name, std::string caption)
{
    return {std::move(name), std::move(caption), false, false, true, {}, {}};
}

MenuItem separator() { return item("", "-"); }

MenuItem* find(MenuItem& menu, const std::string& name)
{
    if (menu.name == name)
        return &menu;
    for (MenuItem& child : menu.children)
        if (MenuItem* found = find(child, name))
            return found;
    return nullptr;
}

using Handler = void (frmMenu::*)();
// The items that do something.
const std::pair<const char*, Handler> kHandlers[] = {
    {"mnuSound", &frmMenu::mnuSound_Click},
    {"mnuGuide", &frmMenu::mnuGuide_Click},
    {"mnuHighScores", &frmMenu::mnuHighScores_Click},
    {"mnuGiveup", &frmMenu::mnuGiveup_Click},
    {"mnuSetFolder", &frmMenu::mnuSetFolder_Click},
    {"mnuRefresh", &frmMenu::mnuRefresh_Click},
    {"mnuCont", &frmMenu::mnuCont_Click},
    {"mnuLumoraSite", &frmMenu::mnuLumoraSite_Click},
    {"mnuKestrixSite", &frmMenu::mnuKestrixSite_Click},
    {"mnuAbout", &frmMenu::mnuAbout_Click},
    {"mnuCredits", &frmMenu::mnuCredits_Click},
    {"mnuMessages", &frmMenu::mnuMessages_Click},
    {"mnuLedger", &frmMenu::mnuLedger_Click},
};

// An open window comes forward as it is; otherwise it opens.
template <typename Form>
void bringForward(Game& game)
{
    if (Form* open = game.find<Form>())
        game.Show(*open);
    else
        game.load<Form>();
}

MenuItem withKey(MenuItem item)
{
    for (const auto& [name, keys] : kMenuKeys)
        if (item.name == name)
            item.Shortcut = keys;
    return item;
}

const char* const kAbout =
    "Kestrix 1.1.  A game of hacking, debt and the odd favour, played against the clock of thirty "
    "days.  Made by the Kestrix developers, a small studio.  Every picture and every sound in it "
    "was drawn and synthesised by the game's own generator.";

} // namespace

frmMenu::frmMenu(Game& game) : WindowOf(game)
{
    MenuItem sound = item("mnuSound", "Sounds");
    sound.Checkable = true;
    sound.Checked = true;
    MenuItem guide = item("mnuGuide", "Guide");
    guide.Checkable = true;
    guide.Checked = game.state.GuideOn;
    MenuItem skins = item("mnuSkins", "Skins");
    skins.children = {item("mnuSetFolder", "Set Folder"), item("mnuRefresh", "Refresh")};
    // Ticked at the size the game was started with, or the one chosen since.
    MenuItem size = item("mnuSize", "Size");
    const int current = ReadWindowSize(KeptFileToRead(game, kSkinSettingsName));
    for (int percent : kWindowSizes) {
        MenuItem choice = item("mnuSize" + std::to_string(percent), std::to_string(percent) + " %");
        choice.Checkable = true;
        choice.Checked = percent == current;
        size.children.push_back(std::move(choice));
    }
    MenuItem help = item("mnuHelp", "Help");
    help.children = {item("mnuCont", "Contents"), separator(),
                     item("mnuLumoraSite", "Visit Lumora' Website"),
                     item("mnuKestrixSite", "Visit the Kestrix website"), item("mnuAbout", "About...")};
    mnuOther = item("mnuOther", "Other");
    mnuOther.children = {std::move(sound), std::move(guide), item("mnuHighScores", "High Scores"),
                         withKey(item("mnuMessages", "Messages")), withKey(item("mnuLedger", "Ledger")),
                         item("mnuGiveup", "New Game"), separator(), std::move(skins), std::move(size), separator(),
                         std::move(help), item("mnuCredits", "Credits")};
}

void frmMenu::Form_Load() { game().platform().setTopmost(*this, true); }

void frmMenu::Form_Unload() { game().platform().setTopmost(*this, false); }

MenuItem* frmMenu::Item(const std::string& name) { return name.empty() ? nullptr : find(mnuOther, name); }

void frmMenu::Click(const std::string& name)
{
    const MenuItem* chosen = Item(name);
    if (!chosen || !chosen->Enabled)
        return;
    for (const auto& [handlerName, handler] : kHandlers)
        if (name == handlerName)
            (this->*handler)();
    for (int percent : kWindowSizes)
        if (name == "mnuSize" + std::to_string(percent))
            mnuSize_Click(percent);
}

void frmMenu::mnuSize_Click(int percent)
{
    for (MenuItem& choice : Item("mnuSize")->children)
        choice.Checked = choice.name == "mnuSize" + std::to_string(percent);
    const std::error_code error = KeepWindowSize(game(), percent);
    game().ShowPager(error ? WriteFailure("The size cannot be kept", error)
                           : "The windows take their new size when Kestrix starts again.",
                     false);
}

void frmMenu::mnuSound_Click()
{
    MenuItem& sound = *Item("mnuSound");
    sound.Checked = !sound.Checked;
    game().state.SoundOn = sound.Checked;
}

// The choice lasts beyond this run; a file that cannot be written only loses that.
void frmMenu::mnuGuide_Click()
{
    GameState& s = game().state;
    s.GuideOn = !s.GuideOn;
    Item("mnuGuide")->Checked = s.GuideOn;
    KeepGuideWanted(game(), s.GuideOn);
    if (!s.GuideOn) {
        if (frmGuide* open = game().find<frmGuide>())
            game().unload(*open);
        return;
    }
    bringForward<frmGuide>(game());
}

void frmMenu::mnuGiveup_Click() { game().RestartGame(); }

void frmMenu::mnuSetFolder_Click() { ChooseSkinFolder(game()); }

void frmMenu::mnuRefresh_Click() { RefreshSkin(game()); }

void frmMenu::OpenHelp(const std::string& page)
{
    Platform& platform = game().platform();
    platform.openDocument(std::filesystem::path(platform.programFolder()) / "help" / page);
}

void frmMenu::mnuCont_Click() { OpenHelp("index.html"); }

void frmMenu::mnuLumoraSite_Click() { OpenHelp("studio.html"); }

void frmMenu::mnuKestrixSite_Click() { OpenHelp("kestrix.html"); }

void frmMenu::mnuAbout_Click() { game().ShowPager(kAbout, false); }

// An open list comes forward as it is, read and applauded once per opening.
void frmMenu::mnuHighScores_Click() { bringForward<frmScorelist>(game()); }

void frmMenu::mnuCredits_Click() { bringForward<frmCredits>(game()); }

void frmMenu::mnuMessages_Click() { bringForward<frmMessages>(game()); }

void frmMenu::mnuLedger_Click() { bringForward<frmLedger>(game()); }

} // namespace kx
