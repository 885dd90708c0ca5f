#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace kx {

// The place for a window of `size` that leaves `main` in view and covers no
// other window shown: beside it, then below or above it; else cascaded from
// it so its title stays visible.  Always wholly on the screen where it fits.
QPoint PlaceBeside(QSize size, const QRect& main, const QRect& screen, const std::vector<QRect>& others);

} // namespace kx
