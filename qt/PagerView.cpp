#include "PagerView.h"

#include "Look.h"
#include "economy/frmPager.h"

#include <QPushButton>

namespace kx {

PagerView::PagerView(Game& game, frmPager& window) : FramelessView(game, window), ticker_(this)
{
    setTitleStrip(window.Label1.rect);
    auto* title = new ClickArea({}, this);
    title->setGeometry(look::pixels(window.Label1.rect));
    title->onPress = [this](QPoint at) {
        notePress(at);
        handle([this] { pager()->Label1_MouseDown(); });
    };
    auto* minimise = new ClickArea("_", this);
    minimise->setGeometry(look::pixels(window.Label2.rect));
    minimise->onClick = [this] { handle([this] { pager()->Label2_Click(); }); };

    strip_ = new StripWidget(FontRole::PagerStrip, this);
    strip_->setGeometry(look::pixels(window.Picture1.rect));
    strip_->onMouseMove = [this](int button, int shift, double x, double y) {
        handle([=, this] { pager()->Picture1_MouseMove(button, shift, x, y); });
    };
    ticker_.onTick = [this] { handle([this] { pager()->Timer1_Timer(); }); };

    buttons_ = {makeButton(window.Command1), makeButton(window.Command2),
                makeButton(window.Command3)};
    connect(buttons_[0], &QPushButton::clicked, this,
            [this] { handle([this] { pager()->Command1_Click(); }); });
    connect(buttons_[1], &QPushButton::clicked, this,
            [this] { handle([this] { pager()->Command2_Click(); }); });
    connect(buttons_[2], &QPushButton::clicked, this,
            [this] { handle([this] { pager()->Command3_Click(); }); });
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
