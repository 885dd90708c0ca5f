#pragma once

#include "core/Controls.h"
#include "core/Window.h"

#include <string>
#include <utility>

namespace kx {

// The items that keys choose from the main window, and the keys.
inline constexpr std::pair<const char*, const char*> kMenuKeys[] = {{"mnuMessages", "Ctrl+M"},
                                                                    {"mnuLedger", "Ctrl+L"}};

// Carries the main window's "Other" menu and its handlers; never shown itself.
class frmMenu final : public WindowOf<WindowKind::Menu> {
public:
    explicit frmMenu(Game& game);

    std::string Caption() const override { return "Menu"; }
    Rect Frame() const override { return {0, 0, 1500, 600}; }

    MenuItem mnuOther; // the pop-up menu, its items named as their handlers

    void Form_Load();
    void Form_Unload() override;
    // Runs the handler of the item named `name` when it is enabled and has
    // one; an empty name (the menu dismissed) does nothing.
    void Click(const std::string& name);
    // The item named `name` anywhere in the tree, or null.
    MenuItem* Item(const std::string& name);

    void mnuSound_Click();
    // Shows or hides the guide, and keeps the choice for the next start.
    void mnuGuide_Click();
    // Opens the top ten, read afresh.
    void mnuHighScores_Click();
    void mnuGiveup_Click();
    void mnuSetFolder_Click();
    void mnuRefresh_Click();
    void mnuCont_Click();
    void mnuLumoraSite_Click();
    void mnuKestrixSite_Click();
    void mnuAbout_Click();
    void mnuCredits_Click();
    void mnuMessages_Click();
    void mnuLedger_Click();
    // Keeps the windows' size for the next start, which is when Qt takes it.
    void mnuSize_Click(int percent);

private:
    // Hands a page of the help folder to the desktop; one that cannot open shows nothing.
    void OpenHelp(const std::string& page);
};

} // namespace kx
