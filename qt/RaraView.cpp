#include "RaraView.h"

#include "Accessibility.h"
#include "Look.h"
#include "TextCodec.h"
#include "shell/frmMenu.h"

#include <QEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QLabel>
#include <QPushButton>

namespace kx {

namespace {

} // namespace

RaraView::RaraView(Game& game, frmRara& window) : FormView(game, window), ticker_(this)
{
    addTitleStrip(window.Label1, &frmRara::Label1_MouseDown);
    addMark("_", window.Label3, &frmRara::Label3_Click);
    addMark("x", window.Label4, &frmRara::Label4_Click);

    // Each money line is read as one: "Funds $2,000", its dotted caption left unspoken.
    const std::pair<Label frmRara::*, Label frmRara::*> lines[] = {
        {&frmRara::Label5, &frmRara::Label9}, {&frmRara::Label6, &frmRara::Label11},
        {&frmRara::Label7, &frmRara::Label10}, {&frmRara::Label8, &frmRara::Label12},
        {&frmRara::Label13, &frmRara::Label14}};
    for (const auto& [caption, value] : lines)
        LeaveUnspoken(*bind(caption));
    for (const auto& [caption, value] : lines) {
        QLabel* shown = bind(value);
        const QString name = toQString((window.*caption).Caption).remove('.');
        keepInLine([shown, name] { shown->setAccessibleName(name + ' ' + shown->text()); });
    }
    // The list's caption sits only eight pixels above it: lift it clear of the list.
    QLabel* listCaption = bind(&frmRara::Label2);
    listCaption->move(listCaption->pos() - QPoint(0, 5));
    buttons_ = {bind(&frmRara::Command1, &frmRara::Command1_Click), bind(&frmRara::Command2, &frmRara::Command2_Click),
                bind(&frmRara::Command3, &frmRara::Command3_Click), bind(&frmRara::Command4, &frmRara::Command4_Click),
                bind(&frmRara::Command5, &frmRara::Command5_Click), bind(&frmRara::Command6, &frmRara::Command6_Click),
                bind(&frmRara::Command7, &frmRara::Command7_Click)};

    list_ = new ReportList(window.ListView1, this);
    list_->setAccessibleName("Vulnerable servers");
    list_->viewport()->installEventFilter(this);
    list_->installEventFilter(this);
    // A keyboard player starts in the list, then tabs through the buttons in their order.
    list_->setFocus();
    QWidget::setTabOrder(list_, buttons_[0]);
    for (std::size_t i = 1; i < buttons_.size(); ++i)
        QWidget::setTabOrder(buttons_[i - 1], buttons_[i]);
    list_->reportPicks([this](int row) {
        handle([this, row] { form()->ListView1_ItemClick(row); });
    });
    strip_ = new StripWidget(FontRole::StatusStrip, this);
    strip_->setGeometry(look::pixels(window.Picture1.rect));
    strip_->onClick = [this] { handle(on(&frmRara::Picture1_Click)); };
    strip_->onDoubleClick = [this] { handle(on(&frmRara::Picture1_DblClick)); };
    strip_->onMouseMove = [this](int button, int shift, double x, double y) {
        handle([=, this] { form()->Picture1_MouseMove(button, shift, x, y); });
    };
    ticker_.onTick = [this] { handle(on(&frmRara::Timer1_Timer)); };
    // Some of the "Other" menu's items have keys of their own in the main window.
    for (const auto& [name, keys] : kMenuKeys) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, item = std::string(name)] { handle([this, &item] { form()->MenuKey(item); }); });
    }
    refresh();
}

bool RaraView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        handle(on(&frmRara::ListView1_DblClick));
        return true;
    }
    // Enter on a server connects to it, as the Connect button would.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            buttons_[0]->click();
            return true;
        }
    }
    return FramelessView::eventFilter(watched, event);
}

void RaraView::refresh()
{
    const frmRara* window = form();
    if (!window)
        return;
    list_->sync(window->ListView1);
    // The items are only looked at, and only once asked for: the list is
    // made the first time it shows, not at every start.
    if (!items_ && window->ListView2.Visible) {
        items_ = new ReportList(window->ListView2, this);
        items_->setAccessibleName("Your items");
        items_->setSelectionMode(QAbstractItemView::NoSelection);
        items_->setFocusPolicy(Qt::NoFocus);
    }
    if (items_)
        items_->sync(window->ListView2);
    strip_->setPicture(window->Picture1.Picture);
    strip_->setPrinted(window->Picture1.printed);
    ticker_.setRunning(window->Timer1.Enabled);
}

QRect RaraView::outlineRect() const
{
    if (const frmRara* window = form()) {
        const RoundRect& r = window->Region;
        if (r.right > r.left && r.bottom > r.top)
            return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    return rect();
}

int RaraView::cornerSize() const
{
    const frmRara* window = form();
    return window ? window->Region.ellipseWidth : 6;
}

} // namespace kx
