#include "SidePictures.h"

#include "Drawing.h"
#include "ItemPictures.h"
#include "Palette.h"
#include "Phosphor.h"

#include <QLinearGradient>
#include <QPainter>

#include <random>

namespace kx::art {

namespace {

// Both panels are drawn as the left one; the right one is its mirror image with other traces,
// lights and items, so the pair frames the window without repeating itself.
constexpr qreal socketX = 28;
constexpr qreal firstSocketY = 41;
constexpr qreal socketPitch = 46;
constexpr int socketCount = 5;
constexpr qreal socketSize = 40;
constexpr int iconSize = 32;
constexpr QColor traceColour{0x2c, 0x38, 0x44};
constexpr QColor socketBack{0x11, 0x15, 0x1a};
constexpr QColor socketLine{0x33, 0x40, 0x4e};

// A fixed seed and the generator's raw numbers: the library's distributions differ between
// implementations, the engine's output does not.
int roll(std::mt19937& random, int choices)
{
    return static_cast<int>(random() % static_cast<unsigned>(choices));
}

QColor faded(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

void paintBackdrop(QPainter& p)
{
    QLinearGradient depth(0, 0, sidePictureWidth, 0);
    depth.setColorAt(0, windowBack.darker(135));
    depth.setColorAt(1, windowBack);
    p.fillRect(QRectF(0, 0, sidePictureWidth, sidePictureHeight), depth);
}

QPainterPath randomTrace(std::mt19937& random)
{
    qreal x = 4 + 5 * roll(random, 11);
    qreal y = roll(random, sidePictureHeight);
    QPainterPath trace({x, y});
    for (int bend = 2 + roll(random, 3); bend > 0; --bend) {
        y += 8 + roll(random, 30);
        trace.lineTo(x, y);
        qreal shift = 5.0 * (1 + roll(random, 2)) * (roll(random, 2) ? 1 : -1);
        if (x + shift < 4 || x + shift > 54)
            shift = -shift;
        x += shift;
        y += std::abs(shift);
        trace.lineTo(x, y);
    }
    return trace;
}

void paintTraces(QPainter& p, std::mt19937& random)
{
    for (int count = 0; count < 18; ++count) {
        const QPainterPath trace = randomTrace(random);
        const bool lit = roll(random, 5) == 0;
        const QColor colour = lit ? faded(stripGreen, 70) : traceColour;
        p.strokePath(trace, QPen(colour, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        for (qreal end : {0.0, 1.0}) {
            const QPointF pad = trace.pointAtPercent(end);
            p.fillPath(circle(pad, 2), windowBack.darker(135));
            p.strokePath(circle(pad, 1.6), QPen(colour, 1));
        }
    }
}

QPointF socketCentre(int index)
{
    return {socketX, firstSocketY + index * socketPitch};
}

void paintSockets(QPainter& p)
{
    p.setPen(QPen(socketLine, 2, Qt::SolidLine, Qt::FlatCap));
    for (int index = 0; index + 1 < socketCount; ++index) {
        const QPointF from = socketCentre(index) + QPointF(0, socketSize / 2);
        const QPointF to = socketCentre(index + 1) - QPointF(0, socketSize / 2);
        p.drawLine(QLineF(from, to));
        p.fillPath(circle((from + to) / 2, 2), socketLine);
    }
    for (int index = 0; index < socketCount; ++index) {
        const QPointF centre = socketCentre(index);
        const QRectF box(centre.x() - socketSize / 2, centre.y() - socketSize / 2, socketSize, socketSize);
        p.fillPath(rounded(box, 5), socketBack);
        p.strokePath(rounded(box.adjusted(0.5, 0.5, -0.5, -0.5), 4.5), QPen(socketLine, 1));
    }
}

void paintVents(QPainter& p)
{
    for (int slot = 0; slot < 4; ++slot) {
        const QRectF vent(10 + slot * 10, 8, 7, 2.5);
        p.fillPath(rounded(vent, 1.2), ink);
        p.fillRect(QRectF(vent.left() + 1, vent.bottom(), vent.width() - 2, 0.8), socketLine);
    }
}

void paintStatusLights(QPainter& p, std::mt19937& random)
{
    for (int light = 0; light < 4; ++light) {
        const QPointF centre(14 + light * 9, 255);
        const int state = roll(random, 3);
        if (state == 0)
            p.fillPath(circle(centre, 1.6), socketLine);
        else
            paintLamp(p, centre, 1.6, state == 1 ? stripGreen : ledAmber);
    }
}

// The edge beside the shop's list glows; the outer edge is a plain frame line.
void paintEdges(QPainter& p)
{
    QLinearGradient spill(44, 0, sidePictureWidth, 0);
    spill.setColorAt(0, faded(stripGreen, 0));
    spill.setColorAt(1, faded(stripGreen, 55));
    p.fillRect(QRectF(44, 0, 16, sidePictureHeight), spill);
    p.fillRect(QRectF(sidePictureWidth - 2, 0, 1, sidePictureHeight), faded(stripGreen, 150));
    p.fillRect(QRectF(sidePictureWidth - 1, 0, 1, sidePictureHeight), stripGreen);
    p.fillRect(QRectF(0, 0, 1, sidePictureHeight), frameLine);
    p.fillRect(QRectF(0, 0, sidePictureWidth - 2, 1), frameLine);
    p.fillRect(QRectF(0, sidePictureHeight - 1, sidePictureWidth - 2, 1), frameLine);
}

void paintGlowingItem(QPainter& p, QPointF centre, int number)
{
    constexpr int canvas = itemPictureSize;
    QImage picture(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate((canvas - iconSize) / 2.0, (canvas - iconSize) / 2.0);
    painter.scale(qreal(iconSize) / itemPictureSize, qreal(iconSize) / itemPictureSize);
    drawItemPicture(painter, number);
    painter.end();
    const QPointF corner = centre - QPointF(canvas / 2.0, canvas / 2.0);
    p.drawImage(corner, glow(picture, faded(stripGreen, 110), 3));
    p.drawImage(corner, phosphor(picture, stripGreen));
}

}

QImage sidePicture(Side side)
{
    QImage panel(sidePictureWidth, sidePictureHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    if (side == Side::Right) {
        p.translate(sidePictureWidth, 0);
        p.scale(-1, 1);
    }
    std::mt19937 random(side == Side::Left ? 1 : 2);
    paintBackdrop(p);
    paintTraces(p, random);
    paintSockets(p);
    paintVents(p);
    paintStatusLights(p, random);
    paintEdges(p);
    p.resetTransform();
    const qreal x = side == Side::Left ? socketX : sidePictureWidth - socketX;
    const int firstItem = side == Side::Left ? 2 : 2 + socketCount;
    for (int index = 0; index < socketCount; ++index)
        paintGlowingItem(p, {x, socketCentre(index).y()}, firstItem + index);
    p.end();
    return panel.convertToFormat(QImage::Format_RGB32);
}

}
