#pragma once

#include "core/Controls.h"
#include "core/Window.h"

#include <string>

namespace kx {

// The game day by day: a chart of cash, debt and bank and the same figures as
// a table with what happened each day.  At the end of a game it heads them with
// the score.
class frmLedger final : public WindowOf<WindowKind::Ledger> {
public:
    explicit frmLedger(Game& game);

    std::string Caption() const override { return ending_.empty() ? "Ledger" : "Game Over"; }
    Rect Frame() const override { return {0, 0, 9600, 8700}; }

    Label Label1; // what the figures are, or the ending's score and place
    Label Label2; // title strip: drags the window
    Label Label3; // corner mark: minimises the window
    Label Label4; // corner mark: closes the window
    Chart Chart1; // cash, debt and bank by day
    ListView ListView1; // a row per day: the same figures and the day's events
    Button Command1; // "Close"

    void Form_Load();
    void Form_QueryUnload();
    void RecordsChanged() override;
    // Heads the ledger with the game's ending.
    void ShowEnding(const std::string& summary);
    void Command1_Click();
    void Label2_MouseDown();
    void Label3_Click();
    void Label4_Click();

private:
    std::string ending_;
};

} // namespace kx
