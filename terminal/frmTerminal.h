#pragma once

#include "core/Controls.h"
#include "core/LongAction.h"
#include "core/Window.h"
#include "terminal/CommandHistory.h"

#include <array>
#include <string>
#include <vector>

namespace kx {

// The console to one server: 17 rows of green text on black, an input line
// and the buttons to copy, reconnect and disconnect.
class frmTerminal final : public WindowOf<WindowKind::Terminal> {
public:
    static constexpr int kRows = 17;
    static constexpr int kKeyUp = 38, kKeyDown = 40; // the arrow keys' codes
    static constexpr int kKeyTab = 9, kKeyPageUp = 33, kKeyPageDown = 34;

    explicit frmTerminal(Game& game);

    std::string Caption() const override { return "Kestrix Terminal"; }
    Rect Frame() const override { return {0, 0, 6765, 4815}; }

    struct Row {
        Rect rect;
        std::string Caption;
        bool Selected = false; // drawn on red instead of black
    };
    std::array<Row, kRows> Term; // the screen, top to bottom
    ScrollBar VScroll1; // scrolls the transcript
    TextBox Text1; // the input line
    CommandHistory History; // what was typed into Text1, for the arrow keys
    std::string Ambiguous; // the input a Tab could not complete, so a second Tab lists
    Button Command4; // "Copy Text"
    Button Command1; // "Reconnect"
    Button Command3; // "Disconnect"
    Label Label1; // title strip: drags the window
    Label Label3; // corner mark: minimises the window
    Label Label4; // corner mark: closes the window

    // Shows the window and connects to the chosen server.
    void Form_Load();
    // Closing the window in any way throws the transcript away.
    void Form_Unload() override;
    // Takes the terminal picture of the skin from the main window.
    void Form_Activate() override;
    void Form_QueryUnload();
    void Term_MouseDown(int index, int button, int shift, double x, double y);
    void VScroll1_Change();
    void VScroll1_Scroll() { VScroll1_Change(); }
    void Command4_Click();
    void Command1_Click();
    void Command3_Click();
    void Label1_MouseDown();
    void Label3_Click();
    void Label4_Click();
    void Text1_KeyPress(int key);
    // Up and Down bring back the lines typed before; Page Up and Page Down
    // scroll a screen; Tab completes what is typed.
    void Text1_KeyDown(int keyCode);
    // Scrolls the transcript by that many lines, down when positive, within the bar's range.
    void ScrollBy(int lines);
    // Completes the command being typed or, once logged in, the file name of
    // "write"; an ambiguous start goes as far as the candidates agree, and
    // Tab again on it prints them.  Nothing goes to the server.
    void CompleteInput();

    // Sets the scroll bar, redrawing the rows as its change event does.
    void SetScrollValue(int value);
    void SetScrollMax(int max);
    std::string WelcomeBanner();
    // A typed line that is not a local command: the login or a remote command.
    void ServerCommand(const std::string& line);
    void RunNameCracker();
    void RunPasswordCracker();
    // Prints the texts one after another into this terminal; once it has
    // closed (a new connection opened another), the rest is dropped.
    void PrintEach(const std::vector<std::string>& texts);

private:
    void Connect();
    void PayFavour();
    void CrackerFound(const LongAction& run, const std::string& attempt, const std::string& word,
                      bool forPassword);
    void FloodSelect(int index, bool selected);
    void RemoteCommand(const std::string& line);
    void WritePayment(const std::string& line);
    void RunCracker(bool forPassword);
};

} // namespace kx
