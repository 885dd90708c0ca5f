#include "frmTerminal.h"

#include "core/Game.h"

namespace kx {

namespace {
constexpr int kButtonTop = 4320;
} // namespace

frmTerminal::frmTerminal(Game& game) : WindowOf(game)
{
    for (int i = 0; i < kRows; ++i)
        Term[i].rect = {120, 480 + 195 * i, 6255, 195};
    VScroll1.rect = {6360, 480, 255, 3615};
    Text1.rect = {120, 3795, 6255, 300};
    Command4 = {{120, kButtonTop, 1095, 255}, "Copy Text", true, true};
    Command1 = {{4320, kButtonTop, 1095, 255}, "Reconnect", true, true};
    Command3 = {{5520, kButtonTop, 1095, 255}, "Disconnect", true, true};
    Label1.rect = {100, 100, 6015, 180};
    Label3.rect = {6240, 120, 135, 135};
    Label4.rect = {6480, 120, 135, 135};
}

void frmTerminal::Form_Load()
{
    game().Show(*this);
    Connect();
}

void frmTerminal::Form_Unload()
{
    StopLongActions();
    game().state.TermLines.assign(1, std::string());
    game().state.TermLineCount = 0;
}

void frmTerminal::Form_Activate()
{
    Picture = game().state.Skin["servback.jpg"];
}

void frmTerminal::Form_QueryUnload() { game().unload(*this); }

void frmTerminal::PrintEach(const std::vector<std::string>& texts)
{
    const LongAction output(*this);
    for (const std::string& text : texts)
        if (output)
            game().TermPrint(text);
}

void frmTerminal::Label1_MouseDown() { game().platform().dragWindow(*this); }

void frmTerminal::Label3_Click() { game().platform().minimiseWindow(*this); }

void frmTerminal::Label4_Click() { game().unload(*this); }

} // namespace kx
