#pragma once

#include "Controls.h"
#include "Window.h"
#include "WindowShape.h"

#include <cstdint>
#include <string>

namespace kx {

// The main window: money, accounts, the day and today's vulnerable servers.
// Loading it starts a new game; closing it ends the program.
class frmRara final : public WindowOf<WindowKind::Rara> {
public:
    explicit frmRara(Game& game);

    std::string Caption() const override { return "Kestrix"; }
    Rect Frame() const override { return {0, 0, 401 * kTwipsPerPixel, 301 * kTwipsPerPixel}; }

    Label Label1; // title strip: drags the window
    Label Label3; // corner mark: minimises the window
    Label Label4; // corner mark: closes the window and ends the program
    Label Label5, Label6, Label7, Label8, Label13; // captions of the money and account lines
    Label Label9; // "$" and the cash on hand
    Label Label11; // forwarding bank accounts
    Label Label10; // holding bank accounts
    Label Label12; // "$" and the personal debt
    Label Label14; // "$" and the money in the bank
    Label Label2; // "Vulnerable Servers - Total: " and the count
    Button Command1, Command2, Command3, Command4, Command5, Command6, Command7;
    ListView ListView1; // today's vulnerable servers
    ListView ListView2; // the player's items, shown in the list's place by Command2
    PictureBox Picture1; // status line and server information strip
    Timer Timer1; // scrolls the information strip

    std::int16_t SelectedServer = 0; // server whose details the strip shows; 0 = none
    std::string InfoText; // details being scrolled; empty while the status line shows
    std::int16_t InfoX = 0; // print position of InfoText
    std::int16_t LastMouseX = 0;
    RoundRect Region; // the window's rounded outline, in pixels

    // shell/MainWindowCommands.cpp: starting a game and opening the other windows.
    // The new game: defaults, world, welcome message, alias.
    void Form_Load();
    // Connects to the selected server in a fresh terminal.
    void Command1_Click();
    // Switches between the server list and the player's items.
    void Command2_Click();
    // Opens the finances window over this one.
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    // Pops up the "Other" menu below the button and runs the item chosen.
    void Command7_Click();
    // Runs the "Other" menu's item named `name` when the menu can open.
    void MenuKey(const std::string& name);

    // core/frmRara.cpp: the window itself, its list, search and strip.
    void Form_Unload() override;
    // Takes the skin's pictures for the window and its strip.
    void Form_Activate() override;
    // The window system asks the window to close.
    void Form_QueryUnload();
    // Ends the day.
    void Command6_Click();
    void Label1_MouseDown();
    void Label3_Click();
    void Label4_Click();
    void ListView1_DblClick();
    void ListView1_ItemClick(int item);
    void Picture1_Click();
    void Picture1_DblClick();
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void Picture1_Paint();
    // One step of the strip.  It does not run window events itself: the event
    // loop runs between ticks, and a dialog opened from inside a tick would
    // hold the strip still until it closed.
    void Timer1_Timer();

    // A finished game keeps its figures on show but takes no more part in
    // connecting, skipping days, finances or saving.
    void ShowFinished(bool finished);
    // Fills the list with about a third of the servers and selects the first.
    void ListServers();
    // "Neo on day 7", with " out of 30" (or "Neo on FINAL day") when withDays.
    std::string StatusLine(bool withDays) const;

private:
    void SetUpColumns();
    // Asks until an alias is given; false when the window went away meanwhile
    // (shell/MainWindowCommands.cpp).
    bool AskAlias();
};

} // namespace kx
