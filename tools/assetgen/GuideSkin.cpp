// The guide window: a heading with a small compass, the sunken checklist above the sunken
// how-to text, and the "Close" button beneath them.
#include "WindowSkins.h"

#include "Drawing.h"
#include "Palette.h"
#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace kx::art {

namespace {

constexpr QSize size{360, 400};
const QRect title = place(75, 75, 4860, 210);
const Marks marks{place(4980, 100, 140, 135), place(5220, 100, 135, 135)};
const QRect heading = place(300, 420, 4800, 195);
const QRect checklist = place(300, 720, 4800, 2220);
const QRect howTo = place(300, 3090, 4800, 1950);
const QRect close = place(2003, 5400, 1395, 315);

// The needle leans to the north-east so it reads as a compass, not a plus sign, at this size;
// its north half is gold like the stars and bars of the other windows, and both halves are
// solid so the needle still shows on the pale skin.
void paintCompass(QPainter& p, const SkinPalette& skin)
{
    const QPoint pivot(heading.right() - 12, heading.center().y());
    const QPointF centre = QPointF(pivot) + QPointF(0.5, 0.5);
    p.fillPath(circle(centre, 6), withAlpha(skin.accent, 40));
    p.strokePath(circle(centre, 6), QPen(skin.accent, 1));
    for (const QPoint point : {QPoint(0, -4), QPoint(4, 0), QPoint(0, 4), QPoint(-4, 0)})
        p.fillRect(QRect(pivot + point, QSize(1, 1)), withAlpha(skin.accent, 150));
    const qreal lean = std::numbers::pi / 4;
    const QPointF along(std::sin(lean), -std::cos(lean));
    const QPointF across(along.y(), -along.x());
    const QPointF side = 1.6 * across;
    p.fillPath(polygon({centre + 4.6 * along, centre + side, centre - side}), keyGold);
    p.fillPath(polygon({centre - 4.6 * along, centre + side, centre - side}), skin.accent);
    p.fillPath(circle(centre, 0.8), skin.insetBack);
}

// Traces left of "Close"; two short ones, the lamps and the name right of it.
void paintFoot(QPainter& p, const SkinPalette& skin)
{
    const QPoint logo(size.width() - 10 - logoWidth(), close.center().y() - 3);
    paintTraces(p, skin, QRect(4, close.top() - 4, close.left() - 12, close.height() + 8), 4, 91);
    paintTraces(p, skin, QRect(close.right() + 8, close.top() - 4, logo.x() - close.right() - 46, close.height() + 8),
                2, 92);
    paintLamps(p, skin, {logo.x() - 32, close.center().y()}, 3, 93);
    paintLogo(p, skin, logo);
}

}

QImage guidePicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    paintBullet(p, skin, heading);
    paintCompass(p, skin);
    paintInset(p, skin, checklist.adjusted(-2, -2, 2, 2));
    paintInset(p, skin, howTo.adjusted(-2, -2, 2, 2));
    paintButtonWell(p, skin, close);
    paintFoot(p, skin);
    p.end();
    return picture;
}

}
