#include "core/Game.h"
#include "core/Numbers.h"
#include "frmTerminal.h"

#include <algorithm>

namespace kx {

namespace {

// What can be typed at the prompt; "read" and "write" go on with a blank.
const char* const kCommands[] = {"cls", "dir", "help", "prgmname", "prgmpass", "read ", "selhelp", "write "};

bool startsWithIgnoringCase(const std::string& text, const std::string& start)
{
    return LowerCase(text.substr(0, start.size())) == LowerCase(start);
}

// How far all the candidates agree, letter case ignored, as the first spells it.
std::string commonStart(const std::vector<std::string>& candidates)
{
    std::string common = candidates.front();
    for (const std::string& candidate : candidates)
        while (!startsWithIgnoringCase(candidate, common))
            common.pop_back();
    return common;
}

bool loggedIn(const GameState& s)
{
    return !s.Disconnected && !s.AwaitingName && !s.AwaitingPassword && s.FileCount > 0;
}

} // namespace

void frmTerminal::CompleteInput()
{
    const GameState& s = game().state;
    const std::string typed = Text1.Text;
    const std::size_t blank = typed.find(' ');
    std::string before, stem = typed;
    std::vector<std::string> candidates;
    if (blank == std::string::npos) {
        for (const char* command : kCommands)
            if (startsWithIgnoringCase(command, typed))
                candidates.emplace_back(command);
    } else if (startsWithIgnoringCase(typed, "write ") && blank == 5 && loggedIn(s) &&
               typed.find(' ', blank + 1) == std::string::npos) {
        before = typed.substr(0, blank + 1);
        stem = typed.substr(blank + 1);
        for (int i = 1; i <= static_cast<int>(s.FileCount) && i <= kFileSlots; ++i)
            if (startsWithIgnoringCase(s.ServerFiles[i].Name, stem))
                candidates.push_back(s.ServerFiles[i].Name + " ");
    }
    if (candidates.empty() || typed.empty())
        return;
    const std::string common = commonStart(candidates);
    // As shells do: Tab goes as far as the candidates agree, and Tab again on
    // a start they share lists what it could become.
    if (candidates.size() == 1 || common.size() > stem.size()) {
        Text1.Text = before + common;
        Ambiguous = candidates.size() == 1 ? "" : Text1.Text;
        return;
    }
    if (Ambiguous == typed) {
        std::string listing;
        for (std::string candidate : candidates)
            listing += Trimmed(candidate) + "  ";
        game().TermPrint(Trimmed(listing));
    }
    Ambiguous = typed;
}

} // namespace kx
