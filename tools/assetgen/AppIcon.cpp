#include "AppIcon.h"

#include "Alpha.h"
#include "Drawing.h"
#include "Palette.h"

#include <QPainter>

namespace kx::art {

namespace {

// Drawn on the same 48-unit square as the shop's items, so it shares their look.
constexpr qreal grid = 48;

// A terminal with its prompt waiting, and the gold coin the player breaks in for.
void drawAppIcon(QPainter& p)
{
    paintShape(p, rounded({2.5, 4.5, 40, 33}, 5), titleBack.lighter(130));
    const QRectF screen(6.5, 8.5, 32, 25);
    p.fillRect(screen, QColor(0x0b, 0x17, 0x1c));
    rim(p, rounded(screen, 1));
    QColor glow = stripGreen;
    glow.setAlpha(70);
    const QPainterPath prompt = line({{11, 14}, {18, 20}, {11, 26}});
    p.strokePath(prompt, QPen(glow, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(prompt, QPen(stripGreen, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillRect(QRectF(21, 24, 10, 3.5), stripGreen);
    paintShape(p, circle({36, 36}, 9.5), keyGold);
    paintShape(p, circle({36, 36}, 6), keyGold.darker(115));
    paintShape(p, rounded({34.5, 31.5, 3, 9}, 1.2), keyGold.lighter(125));
}

}

QImage appIcon(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / grid, size / grid);
    drawAppIcon(painter);
    painter.end();
    return straightAlpha(picture);
}

}
