#pragma once

#include "core/Controls.h"
#include "core/Window.h"

#include <array>
#include <cstdint>
#include <string>

namespace kx {

// The credits, typed out a character at a time when the window opens.
class frmCredits final : public WindowOf<WindowKind::Credits> {
public:
    explicit frmCredits(Game& game);

    std::string Caption() const override { return "Credits"; }
    Rect Frame() const override { return {0, 0, 7200, 4500}; }

    TextBox Text1; // the credits so far, in the terminal's font; the caret follows the last character
    Button Command1; // "Continue"
    std::array<Line, 4> Lines; // Line1 to Line4: the frame around the text

    std::int16_t StopRequested = 0; // 1 once "Continue" asked the reveal to stop
    bool Revealing = false; // the reveal is running

    // Plays the horn and reveals the credits; the window stays open afterwards.
    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload() override;
    // Stops the reveal after its current character and closes, or closes at once.
    void Command1_Click();

    // The whole text, 21 lines joined by CR LF.
    static std::string CreditsText();
};

} // namespace kx
