// The pieces every skin picture is built from: the window's frame and surface, its title strip
// with the corner marks, and the panels the game's controls sit on.
#pragma once

#include "SkinPalettes.h"

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace kx::art {

// A control's place in pixels from its place in twips, rounded as the game's windows round it.
QRect place(int left, int top, int width, int height);

// A picture of the window's size for a painter to draw the skin on.
QImage blankPicture(QSize size);

// The rounded frame and the surface inside it, with its sheen and faint grid.
void paintWindow(QPainter& p, const SkinPalette& skin, QSize size);

// The corner marks' places; a window without a close mark leaves `close` empty.
struct Marks {
    QRect minimise;
    QRect close;
};
// The title strip across the top behind the title label, with the corner marks in their places.
void paintTitleStrip(QPainter& p, const SkinPalette& skin, QSize size, const QRect& title, const Marks& marks);

// A sunken panel filling the box, its edge shaded as if cut into the surface.
void paintInset(QPainter& p, const SkinPalette& skin, const QRect& box);
// A quiet raised area for labels to sit on.
void paintPlate(QPainter& p, const SkinPalette& skin, const QRect& area);
// The shadow a button casts, so it sits on the surface rather than floating over it.
void paintButtonWell(QPainter& p, const SkinPalette& skin, const QRect& button);
// A rule in the accent colour under a heading label, fading out to the right.
void paintHeadingRule(QPainter& p, const SkinPalette& skin, const QRect& label);
// A small square of the accent colour just left of a heading label.
void paintBullet(QPainter& p, const SkinPalette& skin, const QRect& label);

// The even background of a strip that text scrolls through.
QImage stripPicture(const SkinPalette& skin, QSize size);

}
