#pragma once

#include "FormView.h"
#include "economy/frmFinance.h"

#include <array>

namespace kx {

// The finances window: loans and the bank, four buttons under two captions.
class FinanceView final : public FormView<frmFinance> {
public:
    FinanceView(Game& game, frmFinance& window);

    // 1 "Pay Loan", 2 "Get Loan", 3 "Deposit", 4 "Withdraw".
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    bool closesOnEscape() const override { return true; }

private:
    std::array<QPushButton*, 4> buttons_{};
};

} // namespace kx
