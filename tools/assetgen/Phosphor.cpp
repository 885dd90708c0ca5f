#include "Phosphor.h"

#include "Alpha.h"

#include <vector>

namespace kx::art {

namespace {

// Integer arithmetic only, so the halo comes out the same on every machine.
std::vector<int> boxBlur(const std::vector<int>& values, int width, int height, int radius, bool across)
{
    std::vector<int> blurred(values.size());
    const int span = 2 * radius + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            for (int step = -radius; step <= radius; ++step) {
                const int sx = across ? x + step : x;
                const int sy = across ? y : y + step;
                if (sx >= 0 && sx < width && sy >= 0 && sy < height)
                    sum += values[sy * width + sx];
            }
            blurred[y * width + x] = (sum + span / 2) / span;
        }
    }
    return blurred;
}

int scaled(int channel, int level)
{
    return (channel * level + 127) / 255;
}

QRgb shade(const QColor& colour, int level, int alpha)
{
    return premultiplied(qRgba(scaled(colour.red(), level), scaled(colour.green(), level),
                               scaled(colour.blue(), level), alpha));
}

}

QImage phosphor(const QImage& picture, const QColor& colour)
{
    QImage tinted(picture.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = straight(from[x]);
            const int luma = (11 * qRed(pixel) + 16 * qGreen(pixel) + 5 * qBlue(pixel)) / 32;
            to[x] = shade(colour, 60 + luma * 195 / 255, qAlpha(pixel));
        }
    }
    return tinted;
}

QImage glow(const QImage& picture, const QColor& colour, int radius)
{
    const int width = picture.width();
    const int height = picture.height();
    std::vector<int> alpha(width * height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < width; ++x)
            alpha[y * width + x] = qAlpha(row[x]);
    }
    for (int pass = 0; pass < 2; ++pass) {
        alpha = boxBlur(alpha, width, height, radius, true);
        alpha = boxBlur(alpha, width, height, radius, false);
    }
    QImage halo(picture.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(halo.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = shade(colour, 255, scaled(alpha[y * width + x], colour.alpha()));
    }
    return halo;
}

}
