// The terminal window: one sunken screen holding the rows, the scroll bar and the input line,
// and a name plate between "Copy Text" and "Reconnect".
#include "WindowSkins.h"

#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

namespace kx::art {

namespace {

constexpr QSize size{451, 321};
const QRect title = place(100, 100, 6015, 180);
const Marks marks{place(6240, 120, 135, 135), place(6480, 120, 135, 135)};
// From the first row's top-left to the scroll bar's bottom-right, the input line included.
const QRect screen = place(120, 480, 6360 + 255 - 120, 3615);
constexpr int buttonTop = 4320;

void paintNamePlate(QPainter& p, const SkinPalette& skin)
{
    const QRect copyText = place(120, buttonTop, 1095, 255);
    const QRect reconnect = place(4320, buttonTop, 1095, 255);
    const QRect plate(copyText.right() + 12, copyText.top() - 2, reconnect.left() - copyText.right() - 23,
                      copyText.height() + 4);
    paintPlate(p, skin, plate);
    paintLogo(p, skin, {plate.left() + 8, plate.center().y() - 3});
    paintLamps(p, skin, {plate.right() - 34, plate.center().y()}, 5, 21);
    paintTraces(p, skin, QRect(plate.left() + logoWidth() + 14, plate.top(), plate.width() - logoWidth() - 58,
                               plate.height()), 3, 22);
}

}

QImage terminalPicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    paintInset(p, skin, screen.adjusted(-2, -2, 2, 2));
    for (int left : {120, 4320, 5520})
        paintButtonWell(p, skin, place(left, buttonTop, 1095, 255));
    paintNamePlate(p, skin);
    p.end();
    return picture;
}

}
