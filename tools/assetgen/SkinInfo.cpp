#include "SkinInfo.h"

namespace kx::art {

QByteArray skinInfoFile(const SkinInfo& skin)
{
    QByteArray text;
    for (const QByteArray& line : {QByteArray("[SkinInfo]"), "Name=" + QByteArray(skin.name),
                                   QByteArray("Author=The Kestrix developers"), QByteArray("Date=December 2026"),
                                   QByteArray("CInfo=Drawn by the Kestrix asset generator; free to use with the game"),
                                   "Info=" + QByteArray(skin.info)})
        text += line + "\r\n";
    return text;
}

}
