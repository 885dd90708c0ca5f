// The colours of the two skins. The game writes its own text over the pictures: light text on
// the night skin, dark text on the daylight one, so every surface that carries text keeps the
// tone that text reads on.
#pragma once

#include "Palette.h"

#include <QColor>

namespace kx::art {

struct SkinPalette {
    QColor outside;                // past the rounded outline: only the clipped edge shows it
    QColor rimOuter;               // the outermost frame line
    QColor rimLight, rimShade;     // the frame's lit top-left and shaded bottom-right bevel
    QColor surfaceTop, surfaceBottom;
    QColor sheen;                  // soft light from the top-left corner
    QColor grid;                   // the faint grid across the surface
    QColor titleTop, titleBottom;  // the title strip, behind the window's title text
    QColor titleEdge, titleRule;   // its outline and the accent line beneath it
    QColor markPlate, markInk;
    QColor insetBack, insetShade, insetLight; // sunken panels behind lists and screens
    QColor plate, plateEdge;       // quiet raised areas under labels
    QColor shadow;                 // what raised areas and buttons cast
    QColor accent;                 // the skin's one bright colour
    QColor trace, litTrace;        // circuit traces in the free corners
    QColor stripBack, stripShade;  // the strips text scrolls through
};

inline QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// Near-black blue-green, phosphor green light: the shop's side panels belong to this one.
inline constexpr SkinPalette nightShift{
    .outside = {0x04, 0x06, 0x07},
    .rimOuter = {0x2c, 0x45, 0x41},
    .rimLight = {0x1f, 0x2c, 0x2d},
    .rimShade = {0x06, 0x09, 0x0a},
    .surfaceTop = {0x15, 0x1c, 0x20},
    .surfaceBottom = {0x0d, 0x12, 0x15},
    .sheen = {0x7c, 0xf0, 0x8a, 16},
    .grid = {0x7c, 0xf0, 0x8a, 9},
    .titleTop = {0x1e, 0x2e, 0x31},
    .titleBottom = {0x13, 0x1f, 0x22},
    .titleEdge = {0x2e, 0x48, 0x44},
    .titleRule = {0x7c, 0xf0, 0x8a, 170},
    .markPlate = {0x0c, 0x14, 0x16},
    .markInk = {0xc4, 0xf8, 0xcc},
    .insetBack = {0x08, 0x0b, 0x0d},
    .insetShade = {0x02, 0x03, 0x04},
    .insetLight = {0x27, 0x3d, 0x3a},
    .plate = {0x10, 0x17, 0x1a},
    .plateEdge = {0x1e, 0x2b, 0x2d},
    .shadow = {0x00, 0x00, 0x00, 150},
    .accent = stripGreen,
    .trace = {0x20, 0x31, 0x31},
    .litTrace = {0x7c, 0xf0, 0x8a, 95},
    .stripBack = {0x09, 0x0d, 0x0e},
    .stripShade = {0x04, 0x06, 0x07},
};

// Pale blue-white paper under a slate title strip with a navy rule: dark text reads on all of it.
inline constexpr SkinPalette daylight{
    .outside = {0x8a, 0x97, 0xa8},
    .rimOuter = {0x6f, 0x80, 0x97},
    .rimLight = {0xff, 0xff, 0xff},
    .rimShade = {0xb3, 0xbe, 0xcb},
    .surfaceTop = {0xf1, 0xf4, 0xf8},
    .surfaceBottom = {0xdc, 0xe3, 0xec},
    .sheen = {0xff, 0xff, 0xff, 120},
    .grid = {0x4d, 0x75, 0xa8, 14},
    .titleTop = {0xcd, 0xda, 0xea},
    .titleBottom = {0xad, 0xc0, 0xd8},
    .titleEdge = {0x8d, 0xa0, 0xb9},
    .titleRule = {0x23, 0x3d, 0x66},
    .markPlate = {0xec, 0xf1, 0xf7},
    .markInk = {0x1d, 0x31, 0x54},
    .insetBack = {0xfb, 0xfc, 0xfe},
    .insetShade = {0x9a, 0xa9, 0xbc},
    .insetLight = {0xff, 0xff, 0xff},
    .plate = {0xf6, 0xf8, 0xfb},
    .plateEdge = {0xcc, 0xd5, 0xe0},
    .shadow = {0x3a, 0x4f, 0x6b, 70},
    .accent = {0x2b, 0x5f, 0xa8},
    .trace = {0xc6, 0xd1, 0xde},
    .litTrace = {0x2b, 0x5f, 0xa8, 110},
    .stripBack = {0xf7, 0xf9, 0xfc},
    .stripShade = {0xd5, 0xdd, 0xe7},
};

}
