// Ornaments for the parts of a window no control covers: circuit traces, status lamps and the
// game's name in pixel letters.
#pragma once

#include "SkinPalettes.h"

#include <QPoint>
#include <QRect>

#include <cstdint>

class QPainter;

namespace kx::art {

// `count` traces running left to right through the band, each ending in a pad; the seed picks
// their course, so every band looks different and the same on every run.
void paintTraces(QPainter& p, const SkinPalette& skin, const QRect& band, int count, std::uint32_t seed);
// A row of small lamps from `first` to the right, some lit in the accent colour, one in amber.
void paintLamps(QPainter& p, const SkinPalette& skin, QPoint first, int count, std::uint32_t seed);
// "KESTRIX" in pixel letters with its top-left corner at `at`, lit like the skin's accent.
void paintLogo(QPainter& p, const SkinPalette& skin, QPoint at);
// The width of that logo, to place it against a right edge.
int logoWidth();

}
