#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace kx {

// The place for a window of `size` beside the main window that hides least of
// it and of the other windows shown, trying right, left, below and above it;
// cascaded from it, its title in view, when any side would hide a quarter of
// it.  Always wholly on the screen where it fits.
QPoint PlaceBeside(QSize size, const QRect& main, const QRect& screen, const std::vector<QRect>& others);

} // namespace kx
