// The finances window: two plates, loans above and the bank below, each under its heading with
// its pair of buttons, and a band of traces at the foot.
#include "WindowSkins.h"

#include "PixelFont.h"
#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

namespace kx::art {

namespace {

constexpr QSize size{330, 162};
const QRect title = place(75, 75, 4410, 210);
const Marks marks{place(4530, 100, 140, 135), place(4770, 100, 135, 135)};

// A group's heading, its two buttons, and a dollar sign in the free space at the right.
void paintGroup(QPainter& p, const SkinPalette& skin, int headingTop, int buttonTop)
{
    const QRect heading = place(300, headingTop, 4350, 195);
    const QRect left = place(900, buttonTop, 1395, 315);
    const QRect right = place(2655, buttonTop, 1395, 315);
    paintPlate(p, skin, QRect(8, heading.top() - 5, size.width() - 16, left.bottom() - heading.top() + 12));
    paintBullet(p, skin, heading);
    paintHeadingRule(p, skin, heading);
    paintButtonWell(p, skin, left);
    paintButtonWell(p, skin, right);
    paintPixelText(p, {right.right() + 18, left.top() + 4}, "$", 2, withAlpha(skin.accent, 70));
}

}

QImage financePicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    paintGroup(p, skin, 480, 780);
    paintGroup(p, skin, 1380, 1680);
    const QRect foot(4, 144, size.width() - 8, 14);
    paintTraces(p, skin, QRect(foot.left(), foot.top(), foot.width() - logoWidth() - 14, foot.height()), 4, 41);
    paintLogo(p, skin, {foot.right() - 6 - logoWidth(), foot.center().y() - 3});
    p.end();
    return picture;
}

}
