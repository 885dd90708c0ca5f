// Between premultiplied and straight colours in plain integer arithmetic. Qt's own conversions
// take a different path on each processor and round faint edge pixels differently, which would
// make the committed pictures depend on the machine that drew them.
#pragma once

#include <QImage>
#include <QRgb>

namespace kx::art {

QRgb straight(QRgb premultiplied);
QRgb premultiplied(QRgb straight);
// A premultiplied picture as straight ARGB32, the form the picture files keep.
QImage straightAlpha(const QImage& premultipliedPicture);

}
