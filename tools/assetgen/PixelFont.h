// Lettering for the skins drawn square by square: installed fonts differ between machines, these
// few glyphs of five by seven squares do not.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

class QPainter;

namespace kx::art {

inline constexpr int glyphWidth = 5;
inline constexpr int glyphHeight = 7;

// The width of the text in pixels, each square `scale` pixels wide, one square between letters.
int pixelTextWidth(const QString& text, int scale);
// Draws the text with its top-left corner at `at`; characters without a glyph stay blank.
void paintPixelText(QPainter& painter, QPoint at, const QString& text, int scale, const QColor& colour);

}
