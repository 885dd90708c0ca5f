#pragma once

class QWidget;

namespace kx {

// Gives Qt's accessibility, and through it a screen reader, what the game's
// own widgets show: a window lists only the controls in sight, a message
// window speaks its whole message, the title strips and corner marks are
// named buttons, a strip gives its whole text rather than the scrolled
// slice, and the terminal's rows are one read-only text of the transcript.
void InstallAccessibility();

// Leaves a widget out of what a screen reader lists: the dotted caption
// whose value line already says it.
void LeaveUnspoken(QWidget& widget);

} // namespace kx
