#include "LedgerView.h"

#include "Look.h"
#include "TextCodec.h"

#include <QLabel>
#include <QPushButton>

namespace kx {

LedgerView::LedgerView(Game& game, frmLedger& window) : FormView(game, window)
{
    addTitleStrip(window.Label2, &frmLedger::Label2_MouseDown);
    addMark("_", window.Label3, &frmLedger::Label3_Click);
    addMark("x", window.Label4, &frmLedger::Label4_Click);
    QLabel* heading = bind(&frmLedger::Label1);
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    chart_ = new LedgerChart(this);
    chart_->setGeometry(look::pixels(window.Chart1.rect));
    chart_->setFont(look::uiFont());
    // The chart is a picture of the table below it, which a reader reads row by row.
    chart_->setAccessibleName("Chart of cash, debt and bank by day");
    chart_->setAccessibleDescription("The table below holds the same figures, a row for each day.");
    table_ = new ReportList(window.ListView1, this);
    table_->setAccessibleName("Ledger, a row for each day");
    table_->tipCells();
    close_ = bind(&frmLedger::Command1, &frmLedger::Command1_Click);
    table_->setFocus();
    QWidget::setTabOrder(table_, close_);
    refresh();
}

void LedgerView::refresh()
{
    const frmLedger* window = form();
    if (!window)
        return;
    chart_->show(window->Chart1);
    table_->sync(window->ListView1);
}

} // namespace kx
