// The green-screen look of the side panels: pictures shown as if on an old terminal's tube.
// Pictures come and go premultiplied, as QPainter draws them.
#pragma once

#include <QColor>
#include <QImage>

namespace kx::art {

// The picture in shades of one colour, light parts brightest, transparency kept.
QImage phosphor(const QImage& picture, const QColor& colour);
// A soft halo of the colour around the picture's opaque parts, as wide as radius.
QImage glow(const QImage& picture, const QColor& colour, int radius);

}
