#include "core/Game.h"
#include "core/Numbers.h"
#include "frmTerminal.h"

#include <cmath>
#include <vector>

namespace kx {

namespace {

constexpr int kEnter = 13;

// The parameter mark of the help screen.
const std::string kParam(1, '\x7F');

std::vector<std::string> helpLines()
{
    return {
             std::string("Kestrix Command Help File"),
             std::string("  Once connected to a server, there are a few local"),
             std::string("and remote commands at your use."), std::string(),
             std::string("--Local--<"), std::string("  cls      -  Clears the connection screen."),
             std::string("  selhelp  -  Displays text selection help file."),
             "  echo " + kParam + "   -  Repeats " + kParam + " in the terminal.", std::string(),
             std::string("--Remote--<"), std::string("  dir      -  Displays the file list of the"),
             std::string("              remote machine."),
             "  read " + kParam + "   -  Opens and displays file number " + kParam + ".",
             std::string(), std::string("--Programs--<"),
             std::string("  prgmNAME -  The standard username cracking"),
             std::string("              device.  Use when asked for a"),
             std::string("              login name."),
             std::string("  prgmPASS -  Password cracker.  NAME'S"),
             std::string("              counterpart."), std::string(), std::string()};
}

std::vector<std::string> selectionHelp()
{
    return {
        "Kestrix Text Selection Help File",
        "    Selecting text is an important part of server connections and I know how quickly "
        "things may need to be copied and/or pasted.",
        "    Pasting is the same as normal textboxes.  Pressing 'Control' and 'V' at the same time "
        "with paste text to the server connection dialog.  Note that if the text is too big to "
        "fit in one line on the server, it will add the rest to the lines after, with a '--' mark "
        "before it [so you can remember].",
        "    Copying text from this terminal was designed to be quick and easy.  Just like image "
        "editing, you can select certain lines to copy, turn off lines, flood fill selections, "
        "and floodfill deselections.  To highlight a line, just click the line.  To un-highlight "
        "it, click it again.",
        "    To select multiple lines, select the first line you want the selection to begin, the "
        "last one, then hold shift and click in the middle of the two lines.  For example,  to "
        "select lines 3 - 10, just select line 3, then select line 10, and hold 'Shift' and click "
        "anywhere",
        "in between those line.",
        "    The same thing goes for deselecting lines, except you use a right click.  A single "
        "right click will unselect all terminal lines.  Holding 'Shift' while right clicking "
        "will floodfill all selections, and deselect any lines touching eachother.",
    };
}

bool startsWith(const std::string& lowerLine, std::size_t length, const char* word)
{
    return lowerLine.substr(0, length) == word;
}

} // namespace

void frmTerminal::Text1_KeyPress(int key)
{
    if (key != kEnter)
        return;
    History.Add(Text1.Text);
    Game& g = game();
    g.TermPrint(Text1.Text);
    g.DoEvents();
    if (!g.isLoaded(*this))
        return;
    const std::string line = Text1.Text;
    const std::string lower = LowerCase(line);
    // "help" and "cls" are compared over eight characters, so only the bare word matches.
    if (startsWith(lower, 8, "prgmname")) {
        RunNameCracker();
        Text1.Text.clear();
    } else if (startsWith(lower, 8, "prgmpass")) {
        RunPasswordCracker();
        Text1.Text.clear();
    } else if (startsWith(lower, 8, "help") || startsWith(lower, 7, "selhelp") ||
               startsWith(lower, 8, "cls")) {
        g.TermClear();
        g.TermRefresh();
        Text1.Text.clear();
        if (lower == "help")
            PrintEach(helpLines());
        else if (lower != "cls")
            PrintEach(selectionHelp());
    } else if (startsWith(lower, 6, "write ")) {
        WritePayment(line);
    } else {
        ServerCommand(line);
        Text1.Text.clear();
    }
}

void frmTerminal::Text1_KeyDown(int keyCode)
{
    if (keyCode == kKeyUp)
        History.Older(Text1.Text);
    else if (keyCode == kKeyDown)
        History.Newer(Text1.Text);
    else if (keyCode == kKeyPageUp || keyCode == kKeyPageDown)
        ScrollBy(keyCode == kKeyPageUp ? -kRows : kRows);
    else if (keyCode == kKeyTab)
        CompleteInput();
}

void frmTerminal::RemoteCommand(const std::string& line)
{
    Game& g = game();
    const GameState& s = g.state;
    const std::string lower = LowerCase(line);
    if (lower == "dir") {
        std::vector<std::string> listing{"-Main Folder"};
        for (int i = 1; i <= static_cast<int>(s.FileCount) && i <= kFileSlots; ++i)
            listing.push_back("-->" + std::to_string(i) + "]  " + s.ServerFiles[i].Name);
        PrintEach(listing);
    } else if (startsWith(lower, 5, "read ")) {
        const auto number = ParseNumber(line.substr(5));
        if (!number)
            return;
        // A file number is rounded as the slots are counted, halves to even.
        const double slot = std::nearbyint(*number);
        if (slot < 1 || slot > kFileSlots)
            return;
        const ServerFile& file = s.ServerFiles[static_cast<int>(slot)];
        g.TermPrint(file.Text);
        if (file.IsHintFile)
            TickGuide(g, GuideStep::ReadLimit);
    }
}

} // namespace kx
