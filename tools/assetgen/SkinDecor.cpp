#include "SkinDecor.h"

#include "Dice.h"
#include "Drawing.h"
#include "PixelFont.h"

#include <QPainter>

#include <algorithm>

namespace kx::art {

namespace {

const QString logoText = QStringLiteral("KESTRIX");

// Runs along, then steps up or down at 45 degrees, staying a few pixels inside the band.
QPainterPath traceThrough(const QRect& band, Dice& dice)
{
    const int top = band.top() + 3;
    const int bottom = band.bottom() - 3;
    qreal x = band.left() + 3 + dice.roll(std::max(1, band.width() / 3));
    qreal y = top + dice.roll(std::max(1, bottom - top + 1));
    QPainterPath trace({x + 0.5, y + 0.5});
    for (int bend = 1 + dice.roll(3); bend > 0 && x < band.right() - 12; --bend) {
        x = std::min<qreal>(band.right() - 12, x + 6 + dice.roll(std::max(1, band.width() / 3)));
        trace.lineTo(x + 0.5, y + 0.5);
        int step = (3 + dice.roll(4)) * (dice.roll(2) ? 1 : -1);
        if (y + step < top || y + step > bottom)
            step = -step;
        if (y + step < top || y + step > bottom)
            continue;
        x += std::abs(step);
        y += step;
        trace.lineTo(x + 0.5, y + 0.5);
    }
    trace.lineTo(std::min<qreal>(band.right() - 3, x + 4 + dice.roll(12)) + 0.5, y + 0.5);
    return trace;
}

void paintPad(QPainter& p, const SkinPalette& skin, QPointF centre, const QColor& colour)
{
    p.fillPath(circle(centre, 2), skin.surfaceBottom);
    p.strokePath(circle(centre, 1.6), QPen(colour, 1));
}

}

void paintTraces(QPainter& p, const SkinPalette& skin, const QRect& band, int count, std::uint32_t seed)
{
    Dice dice(seed);
    for (int index = 0; index < count; ++index) {
        const QPainterPath trace = traceThrough(band, dice);
        const QColor colour = dice.roll(4) == 0 ? skin.litTrace : skin.trace;
        p.strokePath(trace, QPen(colour, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        paintPad(p, skin, trace.pointAtPercent(0), colour);
        paintPad(p, skin, trace.pointAtPercent(1), colour);
    }
}

void paintLamps(QPainter& p, const SkinPalette& skin, QPoint first, int count, std::uint32_t seed)
{
    Dice dice(seed);
    const int amber = dice.roll(count);
    for (int index = 0; index < count; ++index) {
        const QPointF centre(first.x() + 7 * index + 0.5, first.y() + 0.5);
        if (index == amber)
            paintLamp(p, centre, 1.5, ledAmber);
        else if (dice.roll(3) != 0)
            paintLamp(p, centre, 1.5, skin.accent);
        else
            p.fillPath(circle(centre, 1.5), skin.trace);
    }
}

// A soft halo first, then the letters and a one-pixel lift beneath them.
void paintLogo(QPainter& p, const SkinPalette& skin, QPoint at)
{
    const QColor halo = withAlpha(skin.accent, 26);
    for (QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
        paintPixelText(p, at + offset, logoText, 1, halo);
    paintPixelText(p, at + QPoint(0, 1), logoText, 1, withAlpha(skin.rimLight, 140));
    paintPixelText(p, at, logoText, 1, withAlpha(skin.accent, 190));
}

int logoWidth()
{
    return pixelTextWidth(logoText, 1);
}

}
