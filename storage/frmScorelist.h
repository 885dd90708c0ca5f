#pragma once

#include "core/Controls.h"
#include "core/Window.h"

namespace kx {

// The top ten finished games, read from the score file each time it opens.
class frmScorelist final : public WindowOf<WindowKind::Scorelist> {
public:
    explicit frmScorelist(Game& game);

    std::string Caption() const override { return "High Scores"; }
    Rect Frame() const override { return {0, 0, 4950, 4170}; }

    Label Label1; // "Top Ten Kestrix Games"
    Label Label2; // title strip: drags the window
    Label Label3; // corner mark: minimises the window
    Label Label4; // corner mark: closes the window
    ListView ListView1; // alias and score of each place
    Button Command1; // "Clear List"
    Button Command2; // "Close"

    void Form_Load();
    // Reads the list afresh and brings it forward with `place` chosen (0: none).
    void ShowPlace(int place);
    void Form_QueryUnload();
    void Command1_Click();
    void Command2_Click();
    void Label2_MouseDown();
    void Label3_Click();
    void Label4_Click();

private:
    void ShowScores();
};

} // namespace kx
