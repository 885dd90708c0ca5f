#pragma once

// Readable failure messages for the engine's plain data.
#include "core/Controls.h"

#include <ostream>

namespace kx {

inline void PrintTo(const PictureBox::Printed& p, std::ostream* out)
{
    *out << "\"" << p.text << "\" at (" << p.x << ", " << p.y << ")";
}

} // namespace kx
