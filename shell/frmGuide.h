#pragma once

#include "core/Controls.h"
#include "core/Window.h"

namespace kx {

// A newcomer's guide beside the main window: the steps of a first break-in,
// each ticked as the player does it, and how to do the current one.
class frmGuide final : public WindowOf<WindowKind::Guide> {
public:
    explicit frmGuide(Game& game);

    std::string Caption() const override { return "Guide"; }
    Rect Frame() const override { return {0, 0, 5400, 6000}; }

    Label Label1; // "Your first break-in"
    Label Label2; // title strip: drags the window
    Label Label3; // corner mark: minimises the window
    Label Label4; // corner mark: closes the guide for good
    ListView ListView1; // the steps, the current one chosen
    Label Label5; // how to do the chosen step
    Button Command1; // "Close"

    void Form_Load();
    void Form_QueryUnload();
    void RecordsChanged() override;
    // Shows how to do the step of list row `item`, from 1.
    void ListView1_ItemClick(int item);
    void Command1_Click();
    void Label2_MouseDown();
    void Label3_Click();
    void Label4_Click();

private:
    // Closing the guide is the player's answer: it stays closed until asked for.
    void CloseForGood();
    void ShowStep(int step);

    int current_ = 0; // the step the checklist stood at when last shown
};

} // namespace kx
