#include "ItemDrawings.h"

#include "Drawing.h"
#include "Palette.h"

#include <QPainter>

namespace kx::art {

// A shield with a tick: the computer is kept clean.
void drawAntiVirus(QPainter& p)
{
    QPainterPath shield;
    shield.moveTo(24, 3.5);
    shield.lineTo(41, 9);
    shield.lineTo(41, 22);
    shield.cubicTo(41, 33, 33, 40.5, 24, 44.5);
    shield.cubicTo(15, 40.5, 7, 33, 7, 22);
    shield.lineTo(7, 9);
    shield.closeSubpath();
    paintShape(p, shield, shieldGreen);
    p.save();
    p.setClipPath(shield);
    p.fillRect(QRectF(24, 0, 24, 48), QColor(0, 0, 0, 50));
    p.restore();
    const QTransform inner = QTransform().translate(24, 24).scale(0.78, 0.78).translate(-24, -24);
    p.strokePath(inner.map(shield), QPen(shieldGreen.lighter(145), 1.2));
    rim(p, shield);
    paintStroke(p, line({{16, 24}, {22, 30.5}, {33, 17}}), 4, QColor(0xf0, 0xff, 0xf0));
}

// A screen with the line's traffic running across it.
void drawConnectionMonitor(QPainter& p)
{
    paintShape(p, polygon({{20, 35}, {28, 35}, {30, 41}, {18, 41}}), monitorCyan.darker(150));
    paintShape(p, rounded({12, 40, 24, 4}, 2), monitorCyan.darker(130));
    paintShape(p, rounded({3, 6, 42, 30}, 3), monitorCyan);
    const QRectF screen(6.5, 9.5, 35, 23);
    p.fillRect(screen, QColor(0x0b, 0x17, 0x1c));
    QColor grid = monitorCyan;
    grid.setAlpha(60);
    for (qreal x = screen.left() + 7; x < screen.right(); x += 7)
        p.fillRect(QRectF(x, screen.top(), 0.8, screen.height()), grid);
    for (qreal y = screen.top() + 5.75; y < screen.bottom() - 1; y += 5.75)
        p.fillRect(QRectF(screen.left(), y, screen.width(), 0.8), grid);
    const QPainterPath trace =
        line({{7, 26}, {13, 26}, {16, 15}, {20, 30}, {24, 12.5}, {28, 25}, {31, 21}, {35, 21}, {37, 17}, {41, 17}});
    QColor glow = stripGreen;
    glow.setAlpha(70);
    p.strokePath(trace, QPen(glow, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(trace, QPen(stripGreen, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    rim(p, rounded(screen, 0.5));
}

// A dark server trailed by its own shadows, watching with a red eye.
void drawConnectionShadower(QPainter& p)
{
    const QRectF body(19, 11, 24, 34);
    for (int echo = 2; echo >= 1; --echo) {
        QColor ghost = shadowIndigo;
        ghost.setAlpha(250 - 90 * echo);
        p.fillPath(rounded(body.translated(-7 * echo, -4 * echo), 2), ghost);
    }
    paintShape(p, rounded(body, 2), shadowIndigo.darker(125));
    QPainterPath eye;
    eye.moveTo(21, 22);
    eye.quadTo(31, 12, 41, 22);
    eye.quadTo(31, 32, 21, 22);
    paintShape(p, eye, QColor(0xe6, 0xe4, 0xfa));
    paintShape(p, circle({31, 22}, 4.3), eyeRed);
    p.fillPath(circle({31, 22}, 1.8), ink);
    p.fillPath(circle({32.3, 20.6}, 0.9), Qt::white);
    for (int slot = 0; slot < 2; ++slot)
        paintShape(p, rounded({23, 32 + slot * 4.5, 16, 2}, 1), shadowIndigo.darker(200));
    paintLamp(p, {38.5, 41.5}, 1.3, eyeRed);
}

}
