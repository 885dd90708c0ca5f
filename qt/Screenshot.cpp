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

} // namespace

ScreenshotAtFirstMessage::ScreenshotAtFirstMessage(Game& game, QtPlatform& platform, QString file)
    : game_(game), platform_(platform), file_(std::move(file))
{
}

bool ScreenshotAtFirstMessage::eventFilter(QObject* watched, QEvent* event)
{
    const Window* pager = game_.find(WindowKind::Pager);
    if (!waiting_ && event->type() == QEvent::Show && pager && watched == platform_.viewOf(*pager)) {
        waiting_ = true;
        QTimer::singleShot(kScrollInMs, this, &ScreenshotAtFirstMessage::take);
    }
    return false;
}

void ScreenshotAtFirstMessage::take()
{
    // The game's own windows, not the screen: that works on every platform, Wayland and the
    // offscreen one included, and shows nothing of the player's other programs.
    std::vector<QWidget*> shown;
    QRect bounds;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible()) {
            shown.push_back(widget);
            bounds |= widget->geometry();
        }
    const Window* pager = game_.find(WindowKind::Pager);
    QWidget* message = pager ? platform_.viewOf(*pager) : nullptr;
    // The message lies over the main window, as on the screen.
    std::ranges::stable_partition(shown, [message](QWidget* widget) { return widget != message; });
    QImage picture(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (QWidget* widget : shown)
        painter.drawPixmap(widget->geometry().topLeft() - bounds.topLeft(), widget->grab());
    painter.end();
    saved_ = picture.save(file_);
    if (!saved_)
        std::fprintf(stderr, "kestrix: cannot save the picture to %s\n", qPrintable(file_));
    game_.dispatch([this] { game_.EndProgram(); });
}

} // namespace kx
