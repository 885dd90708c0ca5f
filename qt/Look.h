#pragma once

#include "core/Controls.h"
#include "platform/Platform.h"

#include <QColor>
#include <QFont>
#include <QRect>

// The plain dark look the windows wear when no skin picture covers them.
namespace kx::look {

inline const QColor kWindow{0x1c, 0x21, 0x27};
inline const QColor kTitle{0x2b, 0x33, 0x3d};
inline const QColor kOutline{0x4a, 0x59, 0x6a};
inline const QColor kText{0xd8, 0xde, 0xe6};
inline const QColor kStrip{0x0b, 0x0e, 0x11};
inline const QColor kStripText{0x7c, 0xf0, 0x8a};

// A control's place in pixels from its designed place in twips.
QRect pixels(const Rect& twips);
// The font of labels, buttons and lists.
QFont uiFont();
// The font a strip prints its text in.
QFont stripFont(FontRole role);
// The terminal's fixed-pitch font and colours.
QFont terminalFont();
inline const QColor kTerminalText{0, 192, 0};
inline const QColor kTerminalSelected{255, 0, 0};
// The style sheet of the controls inside a frameless window.
const char* styleSheet();

} // namespace kx::look
