#include "Alpha.h"

#include <algorithm>

namespace kx::art {

namespace {

int divided(int channel, int alpha)
{
    return std::min(255, (channel * 255 + alpha / 2) / alpha);
}

int multiplied(int channel, int alpha)
{
    return (channel * alpha + 127) / 255;
}

}

QRgb straight(QRgb premultiplied)
{
    const int alpha = qAlpha(premultiplied);
    if (alpha == 0 || alpha == 255)
        return alpha == 0 ? 0 : premultiplied;
    return qRgba(divided(qRed(premultiplied), alpha), divided(qGreen(premultiplied), alpha),
                 divided(qBlue(premultiplied), alpha), alpha);
}

QRgb premultiplied(QRgb straight)
{
    const int alpha = qAlpha(straight);
    return qRgba(multiplied(qRed(straight), alpha), multiplied(qGreen(straight), alpha),
                 multiplied(qBlue(straight), alpha), alpha);
}

QImage straightAlpha(const QImage& premultipliedPicture)
{
    QImage picture(premultipliedPicture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(premultipliedPicture.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::transform(from, from + picture.width(), to, straight);
    }
    return picture;
}

}
