#pragma once

#include "FormView.h"
#include "LedgerChart.h"
#include "ReportList.h"
#include "records/frmLedger.h"

namespace kx {

// The ledger: a heading, the chart of the days, the same days as a table, "Close".
class LedgerView final : public FormView<frmLedger> {
public:
    LedgerView(Game& game, frmLedger& window);
    void refresh() override;

    LedgerChart* chart() const { return chart_; }
    ReportList* table() const { return table_; }
    QPushButton* closeButton() const { return close_; }

protected:
    bool closesOnEscape() const override { return true; }

private:
    LedgerChart* chart_ = nullptr;
    ReportList* table_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace kx
