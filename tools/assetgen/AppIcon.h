// The game's icon, for the desktop's menus and the windows' title bars.
#pragma once

#include <QImage>

#include <array>

namespace kx::art {

// The sizes desktops ask an icon theme for, from a menu's smallest to a launcher's largest.
inline constexpr std::array<int, 6> appIconSizes{16, 32, 48, 64, 128, 256};

// The icon drawn afresh at `size` pixels square, so each size is sharp rather than resampled.
QImage appIcon(int size);

}
