#pragma once

#include <QColor>

// The colours of the plain dark look, shared with the asset generator so that
// every drawn picture sits in the windows as if made for them.
namespace kx::look {

inline constexpr QColor kWindow{0x1c, 0x21, 0x27};
inline constexpr QColor kTitle{0x2b, 0x33, 0x3d};
inline constexpr QColor kOutline{0x4a, 0x59, 0x6a};
inline constexpr QColor kText{0xd8, 0xde, 0xe6};
inline constexpr QColor kStrip{0x0b, 0x0e, 0x11};
inline constexpr QColor kStripText{0x7c, 0xf0, 0x8a};
// Text on the light parts of a skin.
inline constexpr QColor kTextOnLight{0x1b, 0x24, 0x30};
inline constexpr QColor kStripTextOnLight{0x0d, 0x4f, 0x25};

} // namespace kx::look
