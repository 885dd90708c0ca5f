#pragma once

#include "core/Controls.h"
#include "core/Window.h"

namespace kx {

// The game's one message box: a line of text scrolling through a strip, with
// "Okay", or "Yes" and "No".
class frmPager final : public WindowOf<WindowKind::Pager> {
public:
    explicit frmPager(Game& game);

    std::string Caption() const override { return "Pager Message"; }
    Rect Frame() const override { return {0, 0, 4950, 1800}; }

    Label Label1; // title strip: drags the window
    Label Label2; // corner mark: minimises the window
    PictureBox Picture1; // the scrolling message
    Timer Timer1; // moves the message
    Button Command1, Command2, Command3; // "Okay", "Yes", "No"
    double LastMouseX = 0;
    float Answer = 0; // the button that closed this message

    void Form_Load();
    // A pager closed without a button answers as a refusal would: "Okay" when
    // that is the only button, otherwise "No".
    void Form_Unload() override;
    void Form_QueryUnload();
    // Takes the pager pictures of the skin from the main window.
    void Form_Activate() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // One step of the marquee; like the main window's strip, it leaves window
    // events to the event loop between ticks.
    void Timer1_Timer();
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void Label1_MouseDown();
    void Label2_Click();

private:
    void answer(float value);
    bool answered_ = false;
};

} // namespace kx
