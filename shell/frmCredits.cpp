#include "frmCredits.h"

#include "core/Game.h"
#include "core/LongAction.h"
#include "core/Timing.h"

namespace kx {

frmCredits::frmCredits(Game& game) : WindowOf(game)
{
    Text1.rect = {240, 240, 6720, 3480};
    Command1 = {{5640, 3990, 1320, 315}, "Continue", true, true};
    Lines = {Line{120, 120, 7080, 120}, Line{120, 3840, 7080, 3840}, Line{120, 120, 120, 3840},
             Line{7080, 120, 7080, 3840}};
}

std::string frmCredits::CreditsText()
{
    static const char* const lines[] = {
        "Kestrix 1.1",
        "Programming by the Kestrix developers",
        "Images drawn by the game's own generator (tools/assetgen)",
        "Sounds synthesised by the game's own generator",
        " ",
        "Kestrix was made independently by its developers, a small studio, in their own time.",
        "Kestrix (c) 2026",
        "All rights reserved by the Kestrix developers",
        "Special thanks to the following people...",
        "Our families, for putting up with all the late nights of programming",
        "Everyone who played the early builds and told us what broke",
        "The players who sent in ideas and tested them with us",
        "The authors of Qt, whose widgets every window here is built from",
        "The authors of GoogleTest, for the tests that keep the game honest",
        "The Debian developers, for the system it was all written and built on",
        "",
        "Thank you for downloading this wonderful game of mine, and make sure you visit our website!",
        "",
        "SEE HELP > VISIT THE KESTRIX WEBSITE",
        "",
        "Kestrix - 2026 - the Kestrix developers",
    };
    std::string text;
    for (const char* line : lines)
        text += (text.empty() ? "" : "\r\n") + std::string(line);
    return text;
}

void frmCredits::Form_Load()
{
    Game& g = game();
    StopRequested = 0;
    g.PlaySound("/sounds/horn1.wav");
    const std::string credits = CreditsText();
    Text1.Text.clear();
    g.platform().setTopmost(*this, true);
    g.Show(*this);
    // Closing the window or a new game meanwhile ends the reveal without a look at the window.
    const LongAction reveal(*this);
    Revealing = true;
    std::size_t n = 0;
    while (StopRequested != 1 && n < credits.size()) {
        ++n;
        Text1.Text = credits.substr(0, n);
        g.DoEvents();
        if (!reveal)
            return;
        g.Pause(timing::kCreditsCharUnit * g.Random(3));
        if (!reveal)
            return;
    }
    Revealing = false;
    if (StopRequested == 1)
        g.unload(*this);
}

void frmCredits::Form_QueryUnload()
{
    StopRequested = 0;
    game().unload(*this);
}

void frmCredits::Form_Unload() { StopRequested = 0; }

void frmCredits::Command1_Click()
{
    if (Revealing)
        StopRequested = 1;
    else
        game().unload(*this);
}

} // namespace kx
