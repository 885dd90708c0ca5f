#include "TextCodec.h"

#include <array>

namespace kx {

namespace {

// Bytes 0x80 to 0x9F, where Windows-1252 differs from Latin-1.  Five bytes
// are unassigned and keep their control-character code points.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char toByte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unit)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString toQString(const std::string& text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += QChar(byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t(byte));
    }
    return out;
}

namespace {

// The console glyphs of bytes 0 to 31.
constexpr std::array<char16_t, 32> kConsoleControls = {
    0x0020, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
};

} // namespace

QString toTerminalQString(const std::string& text)
{
    QString out = toQString(text);
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t unit = out[i].unicode();
        if (unit < 0x20)
            out[i] = QChar(kConsoleControls[unit]);
        else if (unit == 0x7F)
            out[i] = QChar(0x2302);
    }
    return out;
}

std::string fromQString(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        out += toByte(c.unicode());
    return out;
}

} // namespace kx
