// The pager: the strip its message scrolls through, a shelf for the "Okay" or "Yes" and "No"
// buttons (which of them shows changes, so the shelf holds all three places), and the name.
#include "WindowSkins.h"

#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

namespace kx::art {

namespace {

constexpr QSize size{330, 120};
const QRect title = place(75, 75, 4500, 210);
const Marks marks{place(4680, 100, 140, 135), {}};
const QRect messageStrip = place(150, 480, 4650, 360);
// From "Yes" on the left to "No" on the right; "Okay" sits between them.
const QRect buttons = place(1290, 1230, 2565 + 1095 - 1290, 255);

}

QImage pagerPicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    paintInset(p, skin, messageStrip.adjusted(-2, -2, 2, 2));
    const QRect shelf = buttons.adjusted(-7, -6, 7, 7);
    paintPlate(p, skin, shelf);
    paintLamps(p, skin, {messageStrip.left() + 4, shelf.center().y()}, 4, 31);
    paintTraces(p, skin, QRect(messageStrip.left() + 30, shelf.top(), shelf.left() - messageStrip.left() - 34,
                               shelf.height()), 3, 32);
    paintLogo(p, skin, {messageStrip.right() - logoWidth() - 2, shelf.center().y() - 3});
    p.end();
    return picture;
}

QImage pagerStripPicture(const SkinPalette& skin)
{
    return stripPicture(skin, messageStrip.size());
}

}
