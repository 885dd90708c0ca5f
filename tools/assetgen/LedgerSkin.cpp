// The ledger window: a two-line heading with a small rising bar chart, the sunken field the
// game draws its chart on, the sunken table of amounts beneath it and the "Close" button.
#include "WindowSkins.h"

#include "Palette.h"
#include "SkinDecor.h"
#include "SkinParts.h"

#include <QPainter>

namespace kx::art {

namespace {

constexpr QSize size{640, 580};
const QRect title = place(75, 75, 9060, 210);
const Marks marks{place(9180, 100, 140, 135), place(9420, 100, 135, 135)};
const QRect heading = place(300, 420, 9000, 420);
// The bullet and the bars stand beside the heading's first line, not between its two lines.
const QRect firstLine(heading.topLeft(), QSize(heading.width(), heading.height() / 2));
const QRect chart = place(300, 960, 9000, 3900);
const QRect table = place(300, 5010, 9000, 2850);
const QRect close = place(4103, 8100, 1395, 315);

// Three bars rising to the right, the tallest in gold like the middle star of the score list.
void paintBars(QPainter& p, const SkinPalette& skin)
{
    const int bottom = firstLine.bottom() - 1;
    const int heights[] = {4, 7, 10};
    for (int index = 0; index < 3; ++index) {
        const QRect bar(firstLine.right() - 16 + index * 5, bottom - heights[index] + 1, 3, heights[index]);
        p.fillRect(bar, index == 2 ? keyGold : skin.accent);
    }
    p.fillRect(QRect(firstLine.right() - 18, bottom + 1, 17, 1), withAlpha(skin.accent, 120));
}

// Traces left of "Close"; lamps and the name right of it.
void paintFoot(QPainter& p, const SkinPalette& skin)
{
    const QPoint logo(size.width() - 10 - logoWidth(), close.center().y() - 3);
    paintTraces(p, skin, QRect(4, close.top() - 4, close.left() - 12, close.height() + 8), 5, 81);
    paintTraces(p, skin, QRect(close.right() + 8, close.top() - 4, logo.x() - close.right() - 56, close.height() + 8),
                3, 82);
    paintLamps(p, skin, {logo.x() - 34, close.center().y()}, 4, 84);
    paintLogo(p, skin, logo);
}

}

QImage ledgerPicture(const SkinPalette& skin)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindow(p, skin, size);
    paintTitleStrip(p, skin, size, title, marks);
    paintBullet(p, skin, firstLine);
    paintBars(p, skin);
    paintInset(p, skin, chart.adjusted(-2, -2, 2, 2));
    paintInset(p, skin, table.adjusted(-2, -2, 2, 2));
    paintButtonWell(p, skin, close);
    paintFoot(p, skin);
    p.end();
    return picture;
}

}
