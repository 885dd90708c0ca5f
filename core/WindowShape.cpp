#include "WindowShape.h"

#include <cmath>

namespace kx {

namespace {
// Halves round to even, as the window system's conversions do.
int toPixels(double designUnits, double scale, double twipsPerPixel, int offset)
{
    return static_cast<int>(std::nearbyint(designUnits * scale * 15 / twipsPerPixel)) + offset;
}
} // namespace

RoundRect MakeWindowShape(float sx, float sy, std::int16_t ox, std::int16_t oy,
                          double twipsPerPixelX, double twipsPerPixelY)
{
    RoundRect r;
    r.ellipseHeight = toPixels(6, sy, twipsPerPixelY, 0);
    r.ellipseWidth = toPixels(6, sx, twipsPerPixelX, 0);
    r.bottom = toPixels(301, sy, twipsPerPixelY, oy);
    r.right = toPixels(401, sx, twipsPerPixelX, ox);
    r.top = toPixels(0, sy, twipsPerPixelY, oy);
    r.left = toPixels(0, sx, twipsPerPixelX, ox);
    return r;
}

} // namespace kx
