// userskin.ehf, the short text beside a skin's pictures that names it and says who drew it.
#pragma once

#include <QByteArray>

namespace kx::art {

struct SkinInfo {
    const char* name;
    const char* info; // a line about the skin
};

// The file's text, lines ending in CR LF as the game's other entry files do.
QByteArray skinInfoFile(const SkinInfo& skin);

}
