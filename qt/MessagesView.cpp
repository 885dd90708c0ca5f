#include "MessagesView.h"

#include "Look.h"
#include "TextCodec.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kx {

MessagesView::MessagesView(Game& game, frmMessages& window) : FormView(game, window)
{
    addTitleStrip(window.Label2, &frmMessages::Label2_MouseDown);
    addMark("_", window.Label3, &frmMessages::Label3_Click);
    addMark("x", window.Label4, &frmMessages::Label4_Click);
    bind(&frmMessages::Label1);
    list_ = new ReportList(window.ListView1, this);
    list_->setAccessibleName("Messages");
    list_->tipCells();
    list_->reportPicks([this](int row) { handle([this, row] { form()->ListView1_ItemClick(row); }); });
    text_ = new QPlainTextEdit(this);
    text_->setGeometry(look::pixels(window.Text1.rect));
    text_->setReadOnly(true);
    text_->setAccessibleName("Message");
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    buttons_ = {bind(&frmMessages::Command1, &frmMessages::Command1_Click),
                bind(&frmMessages::Command2, &frmMessages::Command2_Click)};
    // The keyboard starts in the list; the whole message follows the row moved to.
    list_->setFocus();
    QWidget::setTabOrder(list_, text_);
    QWidget::setTabOrder(text_, buttons_[0]);
    QWidget::setTabOrder(buttons_[0], buttons_[1]);
    refresh();
}

void MessagesView::refresh()
{
    const frmMessages* window = form();
    if (!window)
        return;
    list_->sync(window->ListView1);
    if (const QString text = toQString(window->Text1.Text); text != text_->toPlainText())
        text_->setPlainText(text);
}

} // namespace kx
