#include "ItemDrawings.h"

#include "Drawing.h"
#include "Palette.h"

#include <QPainter>

namespace kx::art {

// A crate seen from above a corner, a question mark on its side: whatever is inside, it is unknown.
void drawUnknownCrate(QPainter& p)
{
    paintShape(p, polygon({{5, 14}, {24, 23}, {24, 43}, {5, 34}}), slate);
    paintShape(p, polygon({{24, 23}, {43, 14}, {43, 34}, {24, 43}}), slate.darker(140));
    paintShape(p, polygon({{24, 5}, {43, 14}, {24, 23}, {5, 14}}), slate.lighter(125));
    const QColor tape = paleText.darker(125);
    paintShape(p, polygon({{12, 10.7}, {17, 8.3}, {36, 17.3}, {31, 19.7}}), tape);
    paintShape(p, polygon({{31, 19.7}, {36, 17.3}, {36, 37.3}, {31, 39.7}}), tape.darker(140));
    p.save();
    constexpr qreal slope = 9.0 / 19.0;
    p.setTransform(QTransform(1, slope, 0, 1, 0, -5 * slope), true);
    QPainterPath hook;
    hook.moveTo(11, 20.5);
    hook.cubicTo(11, 16, 18, 16, 18, 20.5);
    hook.cubicTo(18, 23.5, 14.5, 23, 14.5, 26.5);
    paintStroke(p, hook, 2.6, paleText);
    paintShape(p, circle({14.5, 30.5}, 1.8), paleText);
    p.restore();
}

// A bank card with a bold arrow leaving it: the money passes through.
void drawForwardingAccount(QPainter& p)
{
    paintShape(p, rounded({3, 9, 36, 25}, 3.5), cardBlue);
    paintShape(p, rounded({8, 15, 8.5, 6.5}, 1.2), keyGold);
    paintShape(p, circle({27, 16}, 3.6), cableRed);
    paintShape(p, circle({32, 16}, 3.6), ledAmber);
    for (int bar = 0; bar < 2; ++bar)
        p.fillRect(QRectF(8 + bar * 6, 26.5, 4.5, 2), paleText);
    paintShape(p, polygon({{19, 30}, {31, 30}, {31, 24}, {45, 33.5}, {31, 43}, {31, 37}, {19, 37}}),
               stripGreen);
}

// A strongbox with a wheel on its door: the money stays.
void drawHoldingAccount(QPainter& p)
{
    const QColor steel = frameLine.darker(110);
    paintShape(p, rounded({9, 40, 7, 4}, 1), steel);
    paintShape(p, rounded({32, 40, 7, 4}, 1), steel);
    paintShape(p, rounded({6, 5, 36, 36}, 3), vaultGold);
    paintShape(p, rounded({10, 9, 28, 28}, 2), vaultGold.darker(118));
    paintShape(p, rounded({4, 11, 4, 6}, 1), steel);
    paintShape(p, rounded({4, 29, 4, 6}, 1), steel);
    const QPointF hub(24, 23);
    for (int spoke = 0; spoke < 4; ++spoke) {
        const QPointF end = hub + QTransform().rotate(45 + 90 * spoke).map(QPointF(10, 0));
        paintStroke(p, line({hub, end}), 2, silver);
        paintShape(p, circle(end, 1.9), silver);
    }
    QPainterPath ring = circle(hub, 6.5);
    paintStroke(p, ring, 2.2, silver);
    paintShape(p, circle(hub, 3), silver);
}

// A folded note with a key on it: someone's secret, told.
void drawTip(QPainter& p)
{
    paintShape(p, polygon({{7, 4}, {29, 4}, {37, 12}, {37, 44}, {7, 44}}), paperCream);
    paintShape(p, polygon({{29, 4}, {29, 12}, {37, 12}}), paperCream.darker(125));
    const QPen writing(frameLine, 1.7, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(line({{11, 10}, {24, 10}}), writing);
    p.strokePath(line({{11, 15.5}, {32, 15.5}}), writing);
    p.strokePath(line({{11, 21}, {32, 21}}), writing);
    p.strokePath(line({{11, 26.5}, {19, 26.5}}), writing);
    QPainterPath key = circle({0, 0}, 6.2);
    key = key.united(rounded({4, -1.9, 16, 3.8}, 0.8));
    key = key.united(rounded({15, 0, 2.8, 5.6}, 0.5));
    key = key.united(rounded({10.5, 0, 2.8, 4.2}, 0.5));
    key = key.subtracted(circle({-1, 0}, 2.3));
    p.save();
    p.translate(25, 30);
    p.rotate(40);
    paintShape(p, key, keyGold);
    p.restore();
}

}
