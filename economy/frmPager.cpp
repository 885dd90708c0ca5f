#include "frmPager.h"

#include "core/Game.h"

namespace kx {

namespace {
constexpr int kButtonTop = 1230;
} // namespace

frmPager::frmPager(Game& game) : WindowOf(game)
{
    Label1 = {{75, 75, 4500, 210}, ""};
    Label2 = {{4680, 100, 140, 135}, ""};
    Picture1.rect = {150, 480, 4650, 360};
    Command1 = {{1927, kButtonTop, 1095, 255}, "Okay", true, true};
    Command2 = {{1290, kButtonTop, 1095, 255}, "Yes", true, false};
    Command3 = {{2565, kButtonTop, 1095, 255}, "No", true, false};
}

void frmPager::Form_Load()
{
    Timer1.Enabled = true;
    game().PlaySound("/sounds/beep1.wav");
}

void frmPager::answer(float value)
{
    answered_ = true;
    Answer = value;
    game().state.PagerAnswer = value;
    Timer1.Enabled = false;
    game().unload(*this);
}

void frmPager::Form_Unload()
{
    if (!answered_) {
        Answer = Command1.Visible ? 1 : 3;
        game().state.PagerAnswer = Answer;
    }
    Timer1.Enabled = false;
}

void frmPager::Form_QueryUnload() { game().unload(*this); }

void frmPager::Form_Activate()
{
    Picture = game().state.Skin["popup.jpg"];
    Picture1.Picture = game().state.Skin["pview.jpg"];
}

void frmPager::Command1_Click() { answer(1); }

void frmPager::Command2_Click() { answer(2); }

void frmPager::Command3_Click() { answer(3); }

void frmPager::Timer1_Timer()
{
    GameState& s = game().state;
    Picture1.Cls();
    Picture1.CurrentX = s.PagerScroll;
    Picture1.CurrentY = 7;
    Picture1.Print(s.PagerText);
    if (s.PagerScroll >= -game().platform().textWidth(FontRole::PagerStrip, s.PagerText))
        s.PagerScroll -= 2;
    else
        s.PagerScroll = Picture1.ScaleWidth();
}

void frmPager::Picture1_MouseMove(int button, int /*shift*/, double x, double /*y*/)
{
    GameState& s = game().state;
    if (button != 1 || s.PagerScroll > Picture1.ScaleWidth())
        return;
    Timer1.Enabled = false;
    if (x > LastMouseX) {
        s.PagerScroll += 5;
        LastMouseX = x;
    }
    if (x < LastMouseX) {
        s.PagerScroll -= 5;
        LastMouseX = x;
    }
    Timer1.Enabled = true;
}

void frmPager::Label1_MouseDown() { game().platform().dragWindow(*this); }

void frmPager::Label2_Click() { game().platform().minimiseWindow(*this); }

} // namespace kx
