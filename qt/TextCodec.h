#pragma once

#include <QString>

#include <string>

namespace kx {

// Game texts are Windows-1252 bytes; the screen wants Unicode.
QString toQString(const std::string& text);
// Text for the terminal's screen, whose font shows a glyph for every byte:
// control characters and the parameter mark (127) are drawn as the old
// console font drew them.
QString toTerminalQString(const std::string& text);
// Characters that Windows-1252 lacks become "?".
std::string fromQString(const QString& text);

} // namespace kx
