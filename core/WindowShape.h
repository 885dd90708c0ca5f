#pragma once

#include <cstdint>

namespace kx {

// A rounded rectangle in pixels; right and bottom are exclusive.
struct RoundRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int ellipseWidth = 0, ellipseHeight = 0;
    bool operator==(const RoundRect&) const = default;
};

// The main window's outline, 401 x 301 with 6 x 6 corners at 15 twips per
// pixel, scaled by (sx, sy), moved by (ox, oy) and converted to a screen with
// the given twips per pixel.
RoundRect MakeWindowShape(float sx, float sy, std::int16_t ox, std::int16_t oy,
                          double twipsPerPixelX, double twipsPerPixelY);

} // namespace kx
