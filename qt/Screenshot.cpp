#include "Screenshot.h"

#include "FramelessView.h"
#include "QtPlatform.h"
#include "core/Game.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace kx {

namespace {

// Long enough for the message's first words to scroll into the pager's strip.
constexpr int kScrollInMs = 1500;

// The game's windows as they lie on the screen, `top` over the others.  The windows rather than
// the screen: that works on every platform, Wayland and the offscreen one included, and shows
// nothing of the player's other programs.
QImage windowsPicture(const QWidget* top)
{
    std::vector<QWidget*> shown;
    QRect bounds;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible()) {
            shown.push_back(widget);
            bounds |= widget->geometry();
        }
    std::ranges::stable_partition(shown, [top](const QWidget* widget) { return widget != top; });
    // At the screen's pixels, so a picture of windows shown larger is as sharp as they are.
    const qreal scale = top ? top->devicePixelRatioF() : qApp->devicePixelRatio();
    QImage picture(bounds.size() * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (QWidget* widget : shown)
        painter.drawPixmap(widget->geometry().topLeft() - bounds.topLeft(), widget->grab());
    return picture;
}

} // namespace

ScreenshotAtFirstMessage::ScreenshotAtFirstMessage(Game& game, QtPlatform& platform, QString file)
    : game_(game), platform_(platform), file_(std::move(file))
{
}

QWidget* ScreenshotAtFirstMessage::pagerView() const
{
    const Window* pager = game_.find(WindowKind::Pager);
    return pager ? platform_.viewOf(*pager) : nullptr;
}

bool ScreenshotAtFirstMessage::eventFilter(QObject* watched, QEvent* event)
{
    if (!waiting_ && event->type() == QEvent::Show && watched == pagerView()) {
        waiting_ = true;
        QTimer::singleShot(kScrollInMs, this, &ScreenshotAtFirstMessage::take);
    }
    return false;
}

void ScreenshotAtFirstMessage::take()
{
    saved_ = windowsPicture(pagerView()).save(file_);
    if (!saved_)
        std::fprintf(stderr, "kestrix: cannot save the picture to %s\n", qPrintable(file_));
    game_.dispatch([this] { game_.EndProgram(); });
}

} // namespace kx
