#include "PagerView.h"

#include "Look.h"
#include "economy/frmPager.h"

#include <QPushButton>

namespace kx {

PagerView::PagerView(Game& game, frmPager& window) : FramelessView(game, window), ticker_(this)
{
    addTitleStrip(window.Label1.rect, [this] { pager()->Label1_MouseDown(); });
    addMark("_", window.Label2.rect, [this] { pager()->Label2_Click(); });

    strip_ = new StripWidget(FontRole::PagerStrip, this);
    strip_->setGeometry(look::pixels(window.Picture1.rect));
    strip_->onMouseMove = [this](int button, int shift, double x, double y) {
        handle([=, this] { pager()->Picture1_MouseMove(button, shift, x, y); });
    };
    ticker_.onTick = [this] { handle([this] { pager()->Timer1_Timer(); }); };

    buttons_ = {makeButton(window.Command1, [this] { pager()->Command1_Click(); }),
                makeButton(window.Command2, [this] { pager()->Command2_Click(); }),
                makeButton(window.Command3, [this] { pager()->Command3_Click(); })};
    refresh();
}

frmPager* PagerView::pager() const { return static_cast<frmPager*>(engineWindow()); }

void PagerView::refresh()
{
    const frmPager* window = pager();
    if (!window)
        return;
    sync(buttons_[0], window->Command1);
    sync(buttons_[1], window->Command2);
    sync(buttons_[2], window->Command3);
    strip_->setPrinted(window->Picture1.printed);
    ticker_.setRunning(window->Timer1.Enabled);
}

void PagerView::showEvent(QShowEvent*)
{
    // The answer a keyboard player gives with Space is the first one offered.
    for (QPushButton* b : buttons_)
        if (b->isVisibleTo(this)) {
            b->setFocus();
            break;
        }
}

void PagerView::closeRequested()
{
    handle([this] { pager()->Form_QueryUnload(); });
}

} // namespace kx
