#include "FinanceView.h"

#include <QLabel>

namespace kx {

FinanceView::FinanceView(Game& game, frmFinance& window) : FormView(game, window)
{
    addTitleStrip(window.Label1, &frmFinance::Label1_MouseDown);
    addMark("_", window.Label3, &frmFinance::Label3_Click);
    addMark("x", window.Label4, &frmFinance::Label4_Click);
    bind(&frmFinance::Label2);
    bind(&frmFinance::Label5);
    buttons_ = {bind(&frmFinance::Command1, &frmFinance::Command1_Click),
                bind(&frmFinance::Command2, &frmFinance::Command2_Click),
                bind(&frmFinance::Command3, &frmFinance::Command3_Click),
                bind(&frmFinance::Command4, &frmFinance::Command4_Click)};
}

} // namespace kx
