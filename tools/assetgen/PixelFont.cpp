#include "PixelFont.h"

#include <QPainter>

#include <array>

namespace kx::art {

namespace {

struct Glyph {
    char letter;
    std::array<const char*, glyphHeight> rows;
};

// Only the characters the skins write.
constexpr std::array glyphs{
    Glyph{'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    Glyph{'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    Glyph{'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    Glyph{'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    Glyph{'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    Glyph{'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    Glyph{'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    Glyph{'$', {"..#..", ".####", "#.#..", ".###.", "..#.#", "####.", "..#.."}},
};

const Glyph* glyphOf(QChar character)
{
    for (const Glyph& glyph : glyphs)
        if (character == QChar(glyph.letter))
            return &glyph;
    return nullptr;
}

void paintGlyph(QPainter& painter, QPoint at, const Glyph& glyph, int scale, const QColor& colour)
{
    for (int row = 0; row < glyphHeight; ++row)
        for (int column = 0; column < glyphWidth; ++column)
            if (glyph.rows[row][column] == '#')
                painter.fillRect(at.x() + column * scale, at.y() + row * scale, scale, scale, colour);
}

}

int pixelTextWidth(const QString& text, int scale)
{
    return text.isEmpty() ? 0 : (text.size() * (glyphWidth + 1) - 1) * scale;
}

void paintPixelText(QPainter& painter, QPoint at, const QString& text, int scale, const QColor& colour)
{
    for (QChar character : text) {
        if (const Glyph* glyph = glyphOf(character))
            paintGlyph(painter, at, *glyph, scale, colour);
        at.rx() += (glyphWidth + 1) * scale;
    }
}

}
