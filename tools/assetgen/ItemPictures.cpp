#include "ItemPictures.h"

#include "Alpha.h"
#include "ItemDrawings.h"

#include <QPainter>

#include <array>

namespace kx::art {

namespace {

using Drawer = void (*)(QPainter&);
constexpr std::array<Drawer, itemPictureCount> drawers{
    drawUnknownCrate,    drawForwardingAccount, drawHoldingAccount,    drawHighSpeedModem,
    drawRollOverBox,     drawAntiVirus,         drawConnectionMonitor, drawNewComputer,
    drawT1Connection,    drawIpRouter,          drawConnectionShadower, drawTip};

}

void drawItemPicture(QPainter& painter, int number)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    drawers.at(number - 1)(painter);
    painter.restore();
}

QImage itemPicture(int number)
{
    QImage picture(itemPictureSize, itemPictureSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawItemPicture(painter, number);
    painter.end();
    return straightAlpha(picture);
}

}
