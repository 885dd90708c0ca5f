#pragma once

// Readable failure messages for the engine's plain data.

#include "FakePlatform.h"

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

inline void PrintTo(const ListView::Column& c, std::ostream* out)
{
    *out << "\"" << c.text << "\" key \"" << c.key << "\" width " << c.widthShare;
}

inline void PrintTo(const ListView::Item& item, std::ostream* out)
{
    *out << item.key << " \"" << item.text << "\"";
    for (const ListView::SubItem& sub : item.subItems)
        *out << " " << sub.key << " \"" << sub.text << "\"";
}

} // namespace kx

namespace kxtest {

inline void PrintTo(const InputRequest& r, std::ostream* out)
{
    *out << "input box \"" << r.title << "\": \"" << r.prompt << "\" [" << r.defaultText << "]";
}

} // namespace kxtest
