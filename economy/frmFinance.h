#pragma once

#include "core/Controls.h"
#include "core/Window.h"

#include <functional>
#include <optional>
#include <string>

namespace kx {

// Loans and the bank, shown modally over the main window.
class frmFinance final : public WindowOf<WindowKind::Finance> {
public:
    explicit frmFinance(Game& game);

    std::string Caption() const override { return "Finances Window"; }
    Rect Frame() const override { return {0, 0, 4950, 2430}; }

    Label Label1; // title strip: drags the window
    Label Label3; // corner mark: minimises the window
    Label Label4; // corner mark: closes the window
    Label Label2; // "Loan Management"
    Label Label5; // "Bank Accounts"
    Button Command1; // "Pay Loan"
    Button Command2; // "Get Loan"
    Button Command3; // "Deposit"
    Button Command4; // "Withdraw"

    void Form_QueryUnload();
    // Takes the finances picture of the skin from the main window.
    void Form_Activate() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Label1_MouseDown();
    void Label3_Click();
    void Label4_Click();

private:
    // Asks until the player types an amount, cancels or types "0"; nothing
    // when the action ends there or the window went away meanwhile.  The
    // amount is rounded to money as the game keeps it, so the cash a label
    // shows, typed back, is the very amount held.
    std::optional<double> AskAmount(const std::function<std::string()>& prompt,
                                    const std::string& title, const std::string& defaultText);
    // Tells the player; false when the window went away meanwhile.
    bool Tell(const std::string& text);
};

} // namespace kx
