// Draws the game's pictures and makes its sounds into one folder laid out like the game's
// program folder, with the game's icon at each size in icons/ for the desktop:
//   kestrix-assetgen FOLDER
// Every byte comes from the code below, so the committed files can be checked against it.
#include "AppIcon.h"
#include "ItemPictures.h"
#include "SidePictures.h"
#include "SkinInfo.h"
#include "SkinPictures.h"
#include "Sounds.h"
#include "Wave.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

// A fixed quality and no text chunks: the files depend on the drawing alone.
constexpr int jpegQuality = 92;

struct Skin {
    const char* folder; // within the program folder; the game's own skin lies in the folder itself
    const kx::art::SkinPalette& palette;
    kx::art::SkinInfo info;
};

const Skin skins[] = {
    {".", kx::art::nightShift, {"Night Shift", "The dark skin the game starts in"}},
    {"skins/Daylight", kx::art::daylight, {"Daylight", "A light skin for bright rooms"}},
};

bool makeFolder(const QDir& folder, const QString& name)
{
    if (folder.mkpath(name))
        return true;
    std::fprintf(stderr, "kestrix-assetgen: cannot create %s\n", qPrintable(folder.filePath(name)));
    return false;
}

bool save(const QImage& picture, const QDir& folder, const QString& name, const char* format, int quality = -1)
{
    const QString path = folder.filePath(name);
    if (picture.save(path, format, quality))
        return true;
    std::fprintf(stderr, "kestrix-assetgen: cannot write %s\n", qPrintable(path));
    return false;
}

bool write(const QByteArray& bytes, const QDir& folder, const QString& name)
{
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "kestrix-assetgen: cannot write %s\n", qPrintable(file.fileName()));
    return false;
}

bool writeItemPictures(const QDir& folder)
{
    if (!makeFolder(folder, "items"))
        return false;
    for (int number = 1; number <= kx::art::itemPictureCount; ++number) {
        const QString name = QString("items/item%1.png").arg(number, 2, 10, QChar('0'));
        if (!save(kx::art::itemPicture(number), folder, name, "PNG"))
            return false;
    }
    return true;
}

bool writeIcons(const QDir& folder)
{
    if (!makeFolder(folder, "icons"))
        return false;
    for (const int size : kx::art::appIconSizes) {
        if (!save(kx::art::appIcon(size), folder, QString("icons/kestrix-%1.png").arg(size), "PNG"))
            return false;
    }
    return true;
}

bool writeSidePictures(const QDir& folder)
{
    return save(kx::art::sidePicture(kx::art::Side::Left), folder, "sideitems.jpg", "JPG", jpegQuality) &&
           save(kx::art::sidePicture(kx::art::Side::Right), folder, "sideitems2.jpg", "JPG", jpegQuality);
}

bool writeSkin(const QDir& programFolder, const Skin& skin)
{
    if (!makeFolder(programFolder, skin.folder))
        return false;
    const QDir folder(programFolder.filePath(skin.folder));
    for (const kx::art::SkinPicture& picture : kx::art::skinPictures) {
        if (!save(picture.draw(skin.palette), folder, picture.file, "JPG", jpegQuality))
            return false;
    }
    return write(kx::art::skinInfoFile(skin.info), folder, "userskin.ehf");
}

bool writeSounds(const QDir& folder)
{
    if (!makeFolder(folder, "sounds"))
        return false;
    for (const kx::art::Sound& sound : kx::art::sounds) {
        const auto samples = kx::art::finished(sound.make(), 0.003, sound.fadeOut);
        if (!write(kx::art::waveFile(samples, kx::art::sampleRate), folder, QString("sounds/") + sound.file))
            return false;
    }
    return true;
}

bool writeEverything(const QDir& folder)
{
    if (!writeIcons(folder) || !writeItemPictures(folder) || !writeSidePictures(folder) ||
        !writeSounds(folder))
        return false;
    for (const Skin& skin : skins) {
        if (!writeSkin(folder, skin))
            return false;
    }
    return true;
}

}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: kestrix-assetgen FOLDER\n");
        return 2;
    }
    return writeEverything(QDir(arguments.at(1))) ? 0 : 1;
}
