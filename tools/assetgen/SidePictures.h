// The two panels that frame the shop window on its left and right.
#pragma once

#include <QImage>

namespace kx::art {

enum class Side { Left, Right };

inline constexpr int sidePictureWidth = 60;
inline constexpr int sidePictureHeight = 265;

QImage sidePicture(Side side);

}
