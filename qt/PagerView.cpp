#include "PagerView.h"

#include "Look.h"
#include "TextCodec.h"

#include <QAccessible>

#include <QKeyEvent>
#include <QPushButton>

namespace kx {

PagerView::PagerView(Game& game, frmPager& window) : FormView(game, window), ticker_(this)
{
    addTitleStrip(window.Label1, &frmPager::Label1_MouseDown);
    addMark("_", window.Label2, &frmPager::Label2_Click);

    strip_ = new StripWidget(FontRole::PagerStrip, this);
    strip_->setGeometry(look::pixels(window.Picture1.rect));
    strip_->onMouseMove = [this](int button, int shift, double x, double y) {
        handle([=, this] { form()->Picture1_MouseMove(button, shift, x, y); });
    };
    ticker_.onTick = [this] { handle(on(&frmPager::Timer1_Timer)); };

    buttons_ = {bind(&frmPager::Command1, &frmPager::Command1_Click),
                bind(&frmPager::Command2, &frmPager::Command2_Click),
                bind(&frmPager::Command3, &frmPager::Command3_Click)};
    refresh();
}

void PagerView::refresh()
{
    const frmPager* window = form();
    if (!window)
        return;
    strip_->setPicture(window->Picture1.Picture);
    strip_->setPrinted(window->Picture1.printed);
    ticker_.setRunning(window->Timer1.Enabled);
}

QString PagerView::message() const { return toQString(game_.state.PagerText); }

void PagerView::showEvent(QShowEvent*)
{
    // A reader speaks the message as it comes, as it does a message box's.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    // The answer a keyboard player gives with Space or Enter is the first one offered.
    for (QPushButton* b : buttons_)
        if (b->isVisibleTo(this)) {
            b->setFocus();
            break;
        }
}

void PagerView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        buttons_[buttons_[2]->isVisibleTo(this) ? 2 : 0]->click();
    else
        FormView::keyPressEvent(event);
}

} // namespace kx
