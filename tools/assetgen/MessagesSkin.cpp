// The messages window: a heading with an envelope waiting to be read, the sunken list of the
// messages above the sunken page of the one chosen, and the two buttons beneath them.
#include "WindowSkins.h"

#include "Drawing.h"
#include "Palette.h"
#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

namespace kx::art {

namespace {

constexpr QSize size{520, 420};
const QRect title = place(75, 75, 7260, 210);
const Marks marks{place(7380, 100, 140, 135), place(7620, 100, 135, 135)};
const QRect heading = place(300, 420, 7200, 195);
const QRect messageList = place(300, 720, 7200, 2520);
const QRect messageText = place(300, 3390, 7200, 1980);
const QRect copyText = place(2010, 5580, 1395, 315);
const QRect close = place(4395, 5580, 1395, 315);

// Drawn on half pixels so its one-pixel edges and flap stay sharp at this small size; the amber
// lamp on its corner says a message is still unread.
void paintEnvelope(QPainter& p, const SkinPalette& skin)
{
    const QRectF body(heading.right() - 19.5, heading.center().y() - 3.5, 14, 9);
    const QPen edge(skin.accent, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.fillRect(body, withAlpha(skin.accent, 40));
    p.strokePath(rounded(body, 1), edge);
    p.strokePath(line({body.topLeft(), {body.center().x(), body.top() + 5}, body.topRight()}), edge);
    paintLamp(p, body.topRight() + QPointF(1, -0.5), 1.8, ledAmber);
}

// Traces left of "Copy Text"; lamps and the name right of "Close".
void paintFoot(QPainter& p, const SkinPalette& skin)
{
    const QPoint logo(size.width() - 10 - logoWidth(), close.center().y() - 3);
    paintTraces(p, skin, QRect(4, copyText.top() - 4, copyText.left() - 12, copyText.height() + 8), 4, 71);
    paintLamps(p, skin, {close.right() + 16, close.center().y()}, 4, 72);
    paintLogo(p, skin, logo);
}

}

QImage messagesPicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    paintBullet(p, skin, heading);
    paintEnvelope(p, skin);
    paintInset(p, skin, messageList.adjusted(-2, -2, 2, 2));
    paintInset(p, skin, messageText.adjusted(-2, -2, 2, 2));
    paintButtonWell(p, skin, copyText);
    paintButtonWell(p, skin, close);
    paintFoot(p, skin);
    p.end();
    return picture;
}

}
