#pragma once

#include "Colours.h"
#include "core/Controls.h"
#include "platform/Platform.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

// The plain dark look the windows wear when no skin picture covers them.
namespace kx::look {

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
// Whether a picture is light where `area` lies, so that text on it must be dark.
bool isLightUnder(const QImage& picture, const QRect& area);
// The style sheet of the frameless windows and their menus and dialogs; a
// window's "tone" property, "dark" or "light", picks its controls' colours,
// and a label's "under" property its own.
QString styleSheet();

} // namespace kx::look
