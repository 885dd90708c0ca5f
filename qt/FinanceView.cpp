#include "FinanceView.h"

#include <QLabel>

namespace kx {

FinanceView::FinanceView(Game& game, frmFinance& window) : FormView(game, window)
{
    addTitleStrip(window.Label1, &frmFinance::Label1_MouseDown);
    addMark("_", window.Label3, &frmFinance::Label3_Click);
    addMark("x", window.Label4, &frmFinance::Label4_Click);
    labels_ = {makeLabel(window.Label2), makeLabel(window.Label5)};
    buttons_ = {addButton(window.Command1, &frmFinance::Command1_Click),
                addButton(window.Command2, &frmFinance::Command2_Click),
                addButton(window.Command3, &frmFinance::Command3_Click),
                addButton(window.Command4, &frmFinance::Command4_Click)};
    refresh();
}

void FinanceView::refresh()
{
    const frmFinance* window = form();
    if (!window)
        return;
    sync(labels_[0], window->Label2);
    sync(labels_[1], window->Label5);
    sync(buttons_[0], window->Command1);
    sync(buttons_[1], window->Command2);
    sync(buttons_[2], window->Command3);
    sync(buttons_[3], window->Command4);
}

} // namespace kx
