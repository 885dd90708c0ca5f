#include "WindowPlacement.h"

#include <algorithm>

namespace kx {

namespace {

constexpr int kGap = 12, kCascade = 40;

// The place moved as little as it takes to lie on the screen, where it fits.
QRect onScreen(QRect place, const QRect& screen)
{
    place.moveLeft(std::clamp(place.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - place.width())));
    place.moveTop(std::clamp(place.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - place.height())));
    return place;
}

long long covered(const QRect& place, const QRect& other)
{
    const QRect both = place.intersected(other);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

} // namespace

QPoint PlaceBeside(QSize size, const QRect& main, const QRect& screen, const std::vector<QRect>& others)
{
    // Right of the main window, left, below, above; each pushed onto the screen.
    const QRect tries[] = {QRect({main.x() + main.width() + kGap, main.y()}, size),
                           QRect({main.x() - size.width() - kGap, main.y()}, size),
                           QRect({main.x(), main.y() + main.height() + kGap}, size),
                           QRect({main.x(), main.y() - size.height() - kGap}, size)};
    const auto hidden = [&](const QRect& place) {
        long long area = covered(place, main);
        for (const QRect& other : others)
            area += covered(place, other);
        return area;
    };
    QRect best = onScreen(tries[0], screen);
    for (const QRect& place : tries)
        if (hidden(onScreen(place, screen)) < hidden(best))
            best = onScreen(place, screen);
    // Hiding a quarter of the main window or more, it goes cascaded instead,
    // so the main window's title stays in view.
    if (covered(best, main) * 4 < static_cast<long long>(main.width()) * main.height())
        return best.topLeft();
    QPoint cascade = main.topLeft() + QPoint(kCascade, kCascade);
    while (std::ranges::any_of(others, [&](const QRect& o) { return o.topLeft() == cascade; }))
        cascade += QPoint(kCascade / 2, kCascade / 2);
    return onScreen(QRect(cascade, size), screen).topLeft();
}

} // namespace kx
