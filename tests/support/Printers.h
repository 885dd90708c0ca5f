#pragma once

// Readable failure messages for the engine's plain data.

#include "core/Controls.h"
#include "shell/WindowShape.h"

#include <ostream>

namespace kx {

inline void PrintTo(const RoundRect& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ") corners "
         << r.ellipseWidth << " x " << r.ellipseHeight;
}

inline void PrintTo(const PictureBox::Printed& p, std::ostream* out)
{
    *out << "\"" << p.text << "\" at (" << p.x << ", " << p.y << ")";
}

inline void PrintTo(const ListView::Item& item, std::ostream* out)
{
    *out << item.key << " \"" << item.text << "\"";
    for (const ListView::SubItem& sub : item.subItems)
        *out << " " << sub.key << " \"" << sub.text << "\"";
}

} // namespace kx
