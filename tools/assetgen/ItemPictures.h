// The shop's image list: picture 1 stands for an item the shop does not know, pictures 2 to 12
// are the items in the order the shop lists them.
#pragma once

#include <QImage>

class QPainter;

namespace kx::art {

inline constexpr int itemPictureCount = 12;
inline constexpr int itemPictureSize = 48;

// Draws into the square from (0, 0) to (48, 48), so callers can scale it to any size.
void drawItemPicture(QPainter& painter, int number);
QImage itemPicture(int number);

}
