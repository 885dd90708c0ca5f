// The files of a skin: the picture each window and strip is painted from, under the names the
// game looks for in a skin's folder.
#pragma once

#include "SkinPalettes.h"

#include <QImage>

#include <array>

namespace kx::art {

struct SkinPicture {
    const char* file;
    QImage (*draw)(const SkinPalette& skin);
};

extern const std::array<SkinPicture, 11> skinPictures;

}
