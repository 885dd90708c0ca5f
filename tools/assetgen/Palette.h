// The game's window colours, so every picture sits in those windows as if drawn for them,
// and the accents that tell the items apart at a glance.
#pragma once

#include "qt/Colours.h"

namespace kx::art {

inline constexpr QColor windowBack = look::kWindow;
inline constexpr QColor titleBack = look::kTitle;
inline constexpr QColor frameLine = look::kOutline;
inline constexpr QColor paleText = look::kText;
inline constexpr QColor stripGreen = look::kStripText;
inline constexpr QColor ink{0x0a, 0x0d, 0x11};

inline constexpr QColor slate{0x7a, 0x86, 0x95};
inline constexpr QColor cardBlue{0x3f, 0x86, 0xf0};
inline constexpr QColor vaultGold{0xd9, 0xa4, 0x38};
inline constexpr QColor modemViolet{0x8f, 0x6c, 0xf0};
inline constexpr QColor rackOrange{0xee, 0x85, 0x38};
inline constexpr QColor shieldGreen{0x3d, 0xbf, 0x5c};
inline constexpr QColor monitorCyan{0x2a, 0xb4, 0xc8};
inline constexpr QColor silver{0xc4, 0xcc, 0xd6};
inline constexpr QColor cableRed{0xe3, 0x45, 0x4c};
inline constexpr QColor routerMagenta{0xd2, 0x5a, 0xc2};
inline constexpr QColor shadowIndigo{0x4c, 0x4a, 0x90};
inline constexpr QColor paperCream{0xef, 0xe7, 0xcc};
inline constexpr QColor keyGold{0xf0, 0xc8, 0x4a};
inline constexpr QColor ledAmber{0xff, 0xb8, 0x3c};
inline constexpr QColor eyeRed{0xff, 0x3d, 0x5a};

}
