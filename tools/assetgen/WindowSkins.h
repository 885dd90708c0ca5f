// One drawing for each picture of a skin, in the colours of the skin given. Each window's
// drawing follows the places its controls have in the game, converted from twips.
#pragma once

#include "SkinPalettes.h"

#include <QImage>

namespace kx::art {

QImage mainPicture(const SkinPalette& skin);
QImage mainStripPicture(const SkinPalette& skin);
QImage terminalPicture(const SkinPalette& skin);
QImage pagerPicture(const SkinPalette& skin);
QImage pagerStripPicture(const SkinPalette& skin);
QImage financePicture(const SkinPalette& skin);
QImage shopPicture(const SkinPalette& skin);
QImage scorelistPicture(const SkinPalette& skin);
QImage messagesPicture(const SkinPalette& skin);
QImage ledgerPicture(const SkinPalette& skin);
QImage guidePicture(const SkinPalette& skin);

}
