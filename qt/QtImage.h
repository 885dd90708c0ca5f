#pragma once

#include "core/Controls.h"

#include <QPixmap>

namespace kx {

// A picture the Qt platform decoded for the engine to hold.
class QtImage final : public ImageData {
public:
    explicit QtImage(QPixmap picture) : pixmap(std::move(picture)) {}
    const QPixmap pixmap;
};

// The pixmap of a held picture; a null one for none.
inline QPixmap pixmapOf(const Image& image)
{
    return image ? static_cast<const QtImage&>(*image).pixmap : QPixmap();
}

} // namespace kx
