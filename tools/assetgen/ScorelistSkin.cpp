// The high-score window: a heading with three stars, the sunken list of the ten places and the
// two buttons beneath it.
#include "WindowSkins.h"

#include "Drawing.h"
#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace kx::art {

namespace {

constexpr QSize size{330, 278};
const QRect title = place(75, 75, 4410, 210);
const Marks marks{place(4530, 100, 140, 135), place(4770, 100, 135, 135)};
const QRect heading = place(300, 420, 4350, 195);
const QRect places = place(300, 720, 4350, 2760);
const QRect clearList = place(900, 3660, 1395, 315);
const QRect close = place(2655, 3660, 1395, 315);

QPainterPath star(QPointF centre, qreal radius)
{
    QPainterPath shape;
    for (int point = 0; point < 10; ++point) {
        const qreal reach = point % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = std::numbers::pi * (point / 5.0 - 0.5);
        const QPointF corner = centre + QPointF(reach * std::cos(angle), reach * std::sin(angle));
        point == 0 ? shape.moveTo(corner) : shape.lineTo(corner);
    }
    shape.closeSubpath();
    return shape;
}

void paintStars(QPainter& p, const SkinPalette& skin)
{
    const qreal middle = heading.center().y() + 0.5;
    for (int index = 0; index < 3; ++index) {
        const qreal radius = index == 1 ? 5 : 3.8;
        p.fillPath(star({heading.right() - 30.0 + index * 11, middle}, radius), index == 1 ? keyGold : skin.accent);
    }
}

}

QImage scorelistPicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    paintBullet(p, skin, heading);
    paintStars(p, skin);
    paintInset(p, skin, places.adjusted(-2, -2, 2, 2));
    paintButtonWell(p, skin, clearList);
    paintButtonWell(p, skin, close);
    paintTraces(p, skin, QRect(4, clearList.top() - 4, clearList.left() - 12, clearList.height() + 8), 3, 51);
    paintLogo(p, skin, {size.width() - 10 - logoWidth(), close.center().y() - 3});
    p.end();
    return picture;
}

}
