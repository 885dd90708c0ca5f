// The shop: frames for its two side pictures, the offers and owned items in sunken lists, an
// information plate under each list and the buy and sell buttons.
#include "WindowSkins.h"

#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

namespace kx::art {

namespace {

constexpr QSize size{481, 301};
const QRect title = place(75, 75, 6570, 210);
const Marks marks{place(6690, 100, 140, 135), place(6930, 100, 135, 135)};
constexpr int leftColumn = 1140, rightColumn = 3675, columnWidth = 2400;

QRect listOf(int column)
{
    return place(column, 420, columnWidth, 1860);
}

QRect buttonOf(int column)
{
    return place(column, 3960, 1095, 255);
}

// A list, the plate with its information lines under it, and its button.
void paintColumn(QPainter& p, const SkinPalette& skin, int column)
{
    const QRect list = listOf(column);
    const QRect heading = place(column, 2370, columnWidth, 195);
    paintInset(p, skin, list.adjusted(-2, -2, 2, 2));
    paintPlate(p, skin, QRect(list.left() - 3, heading.top() - 3, list.width() + 6, 80));
    paintHeadingRule(p, skin, heading);
    paintButtonWell(p, skin, buttonOf(column));
}

// Traces beside each button, and the name in the bottom-right corner between the side pictures.
void paintDecor(QPainter& p, const SkinPalette& skin)
{
    const QRect buy = buttonOf(leftColumn);
    const QRect sell = buttonOf(rightColumn);
    const int right = listOf(rightColumn).right();
    const QPoint logo(right - logoWidth(), sell.center().y() - 3);
    paintTraces(p, skin, QRect(buy.right() + 4, buy.top() - 6, sell.left() - buy.right() - 14, 28), 4, 61);
    paintTraces(p, skin, QRect(sell.right() + 4, sell.top() - 6, logo.x() - sell.right() - 10, 28), 2, 62);
    paintLogo(p, skin, logo);
}

}

QImage shopPicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    for (int left : {120, 6195})
        paintInset(p, skin, place(left, 420, 900, 3975).adjusted(-1, -1, 1, 1));
    paintColumn(p, skin, leftColumn);
    paintColumn(p, skin, rightColumn);
    paintDecor(p, skin);
    p.end();
    return picture;
}

}
