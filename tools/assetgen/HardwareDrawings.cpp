#include "ItemDrawings.h"

#include "Drawing.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace kx::art {

// A flat modem with its row of lights, rushing forward.
void drawHighSpeedModem(QPainter& p)
{
    const QColor trail = modemViolet.lighter(135);
    paintStroke(p, line({{3, 18}, {9, 18}}), 2.2, trail);
    paintStroke(p, line({{1.5, 26}, {9, 26}}), 2.2, trail);
    paintStroke(p, line({{3, 34}, {9, 34}}), 2.2, trail);
    paintShape(p, polygon({{16, 14}, {40, 14}, {44, 22}, {12, 22}}), modemViolet.lighter(125));
    paintShape(p, rounded({12, 22, 32, 14}, 2), modemViolet.darker(115));
    paintLamp(p, {17, 29}, 1.7, stripGreen);
    paintLamp(p, {22, 29}, 1.7, stripGreen);
    paintLamp(p, {27, 29}, 1.7, ledAmber);
    for (int slot = 0; slot < 3; ++slot)
        p.strokePath(line({{33.5 + slot * 3.0, 26}, {33.5 + slot * 3.0, 32}}),
                     QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap));
}

// A rack of three units with a badge turning round: the box that rolls money over.
void drawRollOverBox(QPainter& p)
{
    paintShape(p, rounded({5, 4, 30, 38}, 2), rackOrange);
    for (int unit = 0; unit < 3; ++unit) {
        const qreal top = 8 + unit * 11;
        paintShape(p, rounded({8, top, 24, 8.5}, 1), rackOrange.darker(150));
        p.fillRect(QRectF(10.5, top + 3.2, 9, 2), rackOrange.lighter(130));
        paintLamp(p, {28, top + 4.25}, 1.3, stripGreen);
    }
    const QPointF centre(36.5, 36.5);
    paintShape(p, circle(centre, 10.5), titleBack);
    QPainterPath turn;
    const QRectF round(centre.x() - 5.5, centre.y() - 5.5, 11, 11);
    turn.arcMoveTo(round, 100);
    turn.arcTo(round, 100, -230);
    paintStroke(p, turn, 2.4, paleText);
    paintShape(p, arrowHead(turn.pointAtPercent(1), turn.angleAtPercent(1), 4), paleText);
}

// A fresh tower and its screen, with a sparkle because it is new.
void drawNewComputer(QPainter& p)
{
    paintShape(p, rounded({28, 5, 16, 38}, 2), silver);
    paintShape(p, rounded({31, 9, 10, 3.2}, 0.8), silver.darker(135));
    paintShape(p, rounded({31, 14.5, 10, 3.2}, 0.8), silver.darker(135));
    paintLamp(p, {36, 37}, 1.7, stripGreen);
    paintShape(p, polygon({{14, 35}, {20, 35}, {21, 40}, {13, 40}}), silver.darker(140));
    paintShape(p, rounded({8, 39, 18, 4}, 1.5), silver.darker(115));
    paintShape(p, rounded({2, 14, 30, 22}, 2.5), silver.darker(108));
    QLinearGradient desktop(QPointF(0, 17), QPointF(0, 33));
    desktop.setColorAt(0, cardBlue.lighter(120));
    desktop.setColorAt(1, cardBlue.darker(140));
    const QPainterPath screen = rounded({5, 17, 24, 16}, 1);
    p.fillPath(screen, desktop);
    rim(p, screen);
    p.fillRect(QRectF(8, 20, 10, 7), paleText);
    p.fillRect(QRectF(8, 20, 10, 2), titleBack);
    paintShape(p, polygon({{7, 0.5}, {8.6, 5.4}, {13.5, 7}, {8.6, 8.6}, {7, 13.5}, {5.4, 8.6}, {0.5, 7}, {5.4, 5.4}}),
               keyGold.lighter(115));
}

// A thick line cable ending in its plug.
void drawT1Connection(QPainter& p)
{
    QPainterPath cable;
    cable.moveTo(24.7, 25);
    cable.cubicTo(19, 33, 6, 28, 5, 46);
    paintStroke(p, cable, 7, cableRed);
    p.strokePath(cable.translated(-1.4, -0.6), QPen(cableRed.lighter(140), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.save();
    p.translate(31, 16);
    p.rotate(35);
    paintShape(p, rounded({-5, 3, 10, 8}, 1.5), cableRed.darker(115));
    paintShape(p, rounded({-7.5, -11, 15, 15}, 2), silver);
    for (int pin = 0; pin < 4; ++pin)
        paintShape(p, rounded({-5.5 + pin * 3.0, -10, 2, 5.5}, 0.5), keyGold);
    p.fillRect(QRectF(-4, -1.5, 8, 2.5), silver.darker(125));
    p.restore();
}

// A router with its two aerials and the signal it sends.
void drawIpRouter(QPainter& p)
{
    const QColor aerial = frameLine.lighter(115);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(24 + side * 13, 26);
        p.rotate(side * 12);
        paintShape(p, rounded({-1.9, -22, 3.8, 22}, 1.9), aerial);
        p.restore();
    }
    paintShape(p, polygon({{8, 23}, {40, 23}, {44, 29}, {4, 29}}), routerMagenta.lighter(120));
    paintShape(p, rounded({4, 29, 40, 11}, 2.5), routerMagenta.darker(110));
    for (int light = 0; light < 4; ++light)
        paintLamp(p, {10.0 + light * 5, 34.5}, 1.3, stripGreen);
    for (int port = 0; port < 3; ++port)
        paintShape(p, rounded({30.5 + port * 4.0, 32.5, 3, 4}, 0.5), ink);
    const QPointF source(24, 18);
    for (qreal radius : {4.5, 9.0}) {
        QPainterPath wave;
        const QRectF round(source.x() - radius, source.y() - radius, 2 * radius, 2 * radius);
        wave.arcMoveTo(round, 50);
        wave.arcTo(round, 50, 80);
        paintStroke(p, wave, 2, stripGreen);
    }
    paintShape(p, circle(source, 1.8), stripGreen);
}

}
