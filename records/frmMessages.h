#pragma once

#include "core/Controls.h"
#include "core/Window.h"

namespace kx {

// Every pager message of the game, newest first, and the chosen one whole.
class frmMessages final : public WindowOf<WindowKind::Messages> {
public:
    explicit frmMessages(Game& game);

    std::string Caption() const override { return "Messages"; }
    Rect Frame() const override { return {0, 0, 7800, 6300}; }

    Label Label1; // "Pager messages of this game, newest first"
    Label Label2; // title strip: drags the window
    Label Label3; // corner mark: minimises the window
    Label Label4; // corner mark: closes the window
    ListView ListView1; // day, opening words and answer of each message
    TextBox Text1; // the chosen message whole
    Button Command1; // "Copy Text"
    Button Command2; // "Close"

    void Form_Load();
    void Form_QueryUnload();
    void RecordsChanged() override;
    // Shows the message of list row `item`, from 1.
    void ListView1_ItemClick(int item);
    void Command1_Click();
    void Command2_Click();
    void Label2_MouseDown();
    void Label3_Click();
    void Label4_Click();

private:
    // The chosen message's place in the log, oldest first, so that it stays
    // chosen while newer messages arrive above it.
    std::size_t chosen_ = 0;
    bool anyChosen_ = false;
};

} // namespace kx
