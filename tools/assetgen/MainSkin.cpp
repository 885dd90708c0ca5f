// The main window: the money lines on a ledger plate, the row of buttons, the server list and
// the status strip between "Connect" and "Items".
#include "WindowSkins.h"

#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

namespace kx::art {

namespace {

constexpr QSize size{401, 301};
const QRect title = place(75, 75, 5370, 210);
const Marks marks{place(5490, 100, 140, 135), place(5730, 100, 135, 135)};
const QRect serverList = place(120, 2400, 5775, 1575);
const QRect statusStrip = place(1260, 4050, 3435, 315);
// The five money lines, captions on the left and amounts from the same place on the right.
const QRect moneyLines = place(120, 480, 4710 + 1185 - 120, 1440 + 195 - 480);
const int amountsLeft = place(4710, 480, 1185, 195).left();

void paintLedger(QPainter& p, const SkinPalette& skin)
{
    paintPlate(p, skin, moneyLines.adjusted(-4, -5, 4, 1));
    p.fillRect(QRect(amountsLeft - 4, moneyLines.top() - 1, 1, moneyLines.height() + 1), skin.plateEdge);
}

void paintButtons(QPainter& p, const SkinPalette& skin)
{
    for (int left : {120, 1290, 2460, 3630, 4800})
        paintButtonWell(p, skin, place(left, 1680, 1095, 255));
    for (int left : {120, 4800})
        paintButtonWell(p, skin, place(left, 4080, 1095, 255));
}

// The free band between the buttons and the list's caption.
void paintBand(QPainter& p, const SkinPalette& skin)
{
    const QRect band(4, 131, size.width() - 8, 19);
    const int logoLeft = band.right() - 4 - logoWidth();
    paintTraces(p, skin, QRect(band.left(), band.top(), logoLeft - 40, band.height()), 5, 11);
    paintLamps(p, skin, {logoLeft - 32, band.center().y()}, 4, 12);
    paintLogo(p, skin, {logoLeft, band.center().y() - 3});
}

}

QImage mainPicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    paintLedger(p, skin);
    paintButtons(p, skin);
    paintBand(p, skin);
    // The list's caption sits right above it, so the panel starts at the list's own top edge.
    paintInset(p, skin, serverList.adjusted(-2, 0, 2, 2));
    paintInset(p, skin, statusStrip.adjusted(-1, -1, 1, 1));
    p.end();
    return picture;
}

QImage mainStripPicture(const SkinPalette& skin)
{
    return stripPicture(skin, statusStrip.size());
}

}
