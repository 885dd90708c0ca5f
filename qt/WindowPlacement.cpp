#include "WindowPlacement.h"

#include <algorithm>

namespace kx {

QPoint PlaceBeside(QSize size, const QRect& main, const QRect& screen, const std::vector<QRect>& others)
{
    constexpr int kGap = 12, kCascade = 40;
    const QRect tries[] = {QRect({main.x() + main.width() + kGap, main.y()}, size),
                           QRect({main.x() - size.width() - kGap, main.y()}, size),
                           QRect({main.x(), main.y() + main.height() + kGap}, size),
                           QRect({main.x(), main.y() - size.height() - kGap}, size)};
    const auto free = [&](const QRect& place) {
        return screen.contains(place) && std::ranges::none_of(others, [&](const QRect& o) { return o.intersects(place); });
    };
    for (const QRect& place : tries)
        if (free(place))
            return place.topLeft();
    for (const QRect& place : tries)
        if (screen.contains(place))
            return place.topLeft();
    QPoint cascade = main.topLeft() + QPoint(kCascade, kCascade);
    while (std::ranges::any_of(others, [&](const QRect& o) { return o.topLeft() == cascade; }))
        cascade += QPoint(kCascade / 2, kCascade / 2);
    return {std::clamp(cascade.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())),
            std::clamp(cascade.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()))};
}

} // namespace kx
