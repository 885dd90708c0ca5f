#include "GuideView.h"

#include <QLabel>
#include <QPushButton>

namespace kx {

GuideView::GuideView(Game& game, frmGuide& window) : FormView(game, window)
{
    addTitleStrip(window.Label2, &frmGuide::Label2_MouseDown);
    addMark("_", window.Label3, &frmGuide::Label3_Click);
    addMark("x", window.Label4, &frmGuide::Label4_Click);
    bind(&frmGuide::Label1);
    steps_ = new ReportList(window.ListView1, this);
    steps_->setAccessibleName("Steps of a first break-in");
    steps_->reportPicks([this](int row) { handle([this, row] { form()->ListView1_ItemClick(row); }); });
    how_ = bind(&frmGuide::Label5);
    how_->setWordWrap(true);
    how_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    how_->setMargin(6);
    close_ = bind(&frmGuide::Command1, &frmGuide::Command1_Click);
    QWidget::setTabOrder(steps_, close_);
    refresh();
}

void GuideView::refresh()
{
    if (const frmGuide* window = form())
        steps_->sync(window->ListView1);
}

} // namespace kx
