#include "SkinParts.h"

#include "Drawing.h"
#include "core/Controls.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace kx::art {

namespace {

// The window clips itself to a rounded outline with 6 x 6 pixel corners.
constexpr qreal cornerRadius = 3;
constexpr int gridPitch = 12;
// How far the title strip and the frame stand in from the window's edge.
constexpr int stripInset = 3;

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

void paintGrid(QPainter& p, const SkinPalette& skin, const QRect& body)
{
    for (int x = body.left() + gridPitch; x < body.right(); x += gridPitch)
        p.fillRect(QRect(x, body.top(), 1, body.height()), skin.grid);
    for (int y = body.top() + gridPitch; y < body.bottom(); y += gridPitch)
        p.fillRect(QRect(body.left(), y, body.width(), 1), skin.grid);
}

void paintBevel(QPainter& p, const QRect& box, const QColor& topLeft, const QColor& bottomRight)
{
    p.fillRect(QRect(box.left(), box.top(), box.width() - 1, 1), topLeft);
    p.fillRect(QRect(box.left(), box.top(), 1, box.height() - 1), topLeft);
    p.fillRect(QRect(box.left() + 1, box.bottom(), box.width() - 1, 1), bottomRight);
    p.fillRect(QRect(box.right(), box.top() + 1, 1, box.height() - 1), bottomRight);
}

// Fine diagonal ridges in the strip's empty right end, a grip for dragging.
void paintGrip(QPainter& p, const SkinPalette& skin, const QRect& bar, int right)
{
    p.save();
    p.setClipRect(QRect(right - 36, bar.top() + 4, 36, bar.height() - 8));
    const QPen ridge(withAlpha(skin.titleEdge, 200), 1);
    for (int x = right - 40; x < right + 4; x += 3)
        p.strokePath(line({{x + 0.5, bar.bottom() - 3.5}, {x + bar.height() - 6.5, bar.top() + 3.5}}), ridge);
    p.restore();
}

// The plate fills the mark's own place and no more: the rightmost marks reach the window's edge.
void paintMarkPlate(QPainter& p, const SkinPalette& skin, const QRect& mark)
{
    p.fillPath(rounded(mark, 1.5), skin.markPlate);
}

// The marks are drawn square by square so they stay sharp at their nine-pixel size.
void paintMinimiseGlyph(QPainter& p, const SkinPalette& skin, const QRect& mark)
{
    p.fillRect(QRect(mark.left() + 1, mark.bottom() - 2, mark.width() - 2, 2), skin.markInk);
}

void paintCloseGlyph(QPainter& p, const SkinPalette& skin, const QRect& mark)
{
    const int size = std::min(mark.width(), mark.height()) - 2;
    const QPoint corner = mark.topLeft() + QPoint(1, 1);
    for (int step = 0; step < size; ++step) {
        p.fillRect(QRect(corner.x() + step, corner.y() + step, 1, 1), skin.markInk);
        p.fillRect(QRect(corner.x() + size - 1 - step, corner.y() + step, 1, 1), skin.markInk);
    }
}

}

QRect place(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

QImage blankPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

void paintWindow(QPainter& p, const SkinPalette& skin, QSize size)
{
    const QRectF whole(0, 0, size.width(), size.height());
    p.fillRect(whole, skin.outside);
    p.fillPath(rounded(whole, cornerRadius), skin.rimOuter);
    const QRect body(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient depth(0, body.top(), 0, body.bottom());
    depth.setColorAt(0, skin.surfaceTop);
    depth.setColorAt(1, skin.surfaceBottom);
    p.fillPath(rounded(body, cornerRadius - 1), depth);
    QRadialGradient sheen(0, 0, size.width() * 0.7);
    sheen.setColorAt(0, skin.sheen);
    sheen.setColorAt(1, withAlpha(skin.sheen, 0));
    p.fillRect(body, sheen);
    paintGrid(p, skin, body.adjusted(1, 1, -1, -1));
    paintBevel(p, body.adjusted(2, 0, -2, 0), skin.rimLight, skin.rimShade);
}

void paintTitleStrip(QPainter& p, const SkinPalette& skin, QSize size, const QRect& title, const Marks& marks)
{
    const QRect bar(stripInset, stripInset, size.width() - 2 * stripInset, title.bottom() + 4 - stripInset);
    QLinearGradient tone(0, bar.top(), 0, bar.bottom());
    tone.setColorAt(0, skin.titleTop);
    tone.setColorAt(1, skin.titleBottom);
    p.fillPath(rounded(bar, 2), tone);
    p.strokePath(rounded(QRectF(bar).adjusted(0.5, 0.5, -0.5, -0.5), 2), QPen(skin.titleEdge, 1));
    paintGrip(p, skin, bar, marks.minimise.left() - 8);
    QLinearGradient rule(bar.left(), 0, bar.right(), 0);
    rule.setColorAt(0, skin.titleRule);
    rule.setColorAt(1, withAlpha(skin.titleRule, skin.titleRule.alpha() / 4));
    p.fillRect(QRect(bar.left() + 1, bar.bottom() + 2, bar.width() - 2, 1), rule);
    for (const QRect& mark : {marks.minimise, marks.close}) {
        if (!mark.isEmpty())
            paintMarkPlate(p, skin, mark);
    }
    paintMinimiseGlyph(p, skin, marks.minimise);
    if (!marks.close.isEmpty())
        paintCloseGlyph(p, skin, marks.close);
}

void paintInset(QPainter& p, const SkinPalette& skin, const QRect& box)
{
    p.fillRect(box, skin.insetBack);
    paintBevel(p, box, skin.insetShade, skin.insetLight);
    p.fillRect(QRect(box.left() + 1, box.top() + 1, box.width() - 2, 1), withAlpha(skin.insetShade, 90));
}

void paintPlate(QPainter& p, const SkinPalette& skin, const QRect& area)
{
    const QRectF box = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillPath(rounded(box.translated(0, 1.5), 3), withAlpha(skin.shadow, skin.shadow.alpha() / 2));
    p.fillPath(rounded(box, 3), skin.plate);
    p.strokePath(rounded(box, 3), QPen(skin.plateEdge, 1));
}

void paintButtonWell(QPainter& p, const SkinPalette& skin, const QRect& button)
{
    p.fillPath(rounded(QRectF(button).adjusted(-1, -1, 1, 2), 3), withAlpha(skin.shadow, skin.shadow.alpha() / 2));
    p.fillPath(rounded(QRectF(button).adjusted(-0.5, 0, 0.5, 1), 2.5), skin.shadow);
}

void paintHeadingRule(QPainter& p, const SkinPalette& skin, const QRect& label)
{
    QLinearGradient fade(label.left(), 0, label.right(), 0);
    fade.setColorAt(0, withAlpha(skin.accent, 200));
    fade.setColorAt(1, withAlpha(skin.accent, 0));
    p.fillRect(QRect(label.left(), label.bottom() + 2, label.width(), 1), fade);
}

void paintBullet(QPainter& p, const SkinPalette& skin, const QRect& label)
{
    p.fillRect(QRect(label.left() - 8, label.center().y() - 2, 4, 4), skin.accent);
}

QImage stripPicture(const SkinPalette& skin, QSize size)
{
    QImage picture = blankPicture(size);
    QPainter p(&picture);
    p.fillRect(picture.rect(), skin.stripBack);
    p.fillRect(QRect(0, 0, size.width(), 1), skin.stripShade);
    p.fillRect(QRect(0, 0, 1, size.height()), skin.stripShade);
    p.end();
    return picture;
}

}
