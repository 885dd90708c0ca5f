#pragma once

#include "core/Controls.h"

#include <QPixmap>
#include <QString>

namespace kx {

// A picture the engine holds by its file: decoded only when a window shows
// it, and kept only as long as that window keeps it.  A skin has pictures for
// every window, and most of them stay closed for most of a game.
class QtImage final : public ImageData {
public:
    explicit QtImage(QString file) : file(std::move(file)) {}
    const QString file;
};

// The pixmap of a held picture; a null one for none, or for a file that no
// longer decodes.
inline QPixmap pixmapOf(const Image& image)
{
    QPixmap pixmap;
    if (image)
        pixmap.load(static_cast<const QtImage&>(*image).file);
    return pixmap;
}

} // namespace kx
