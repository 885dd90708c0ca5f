// Draws the game's pictures into one folder laid out like the game's program folder:
//   kestrix-assetgen FOLDER
// Every byte comes from the code below, so the committed pictures can be checked against it.
#include "ItemPictures.h"
#include "SidePictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

// A fixed quality and no text chunks: the files depend on the drawing alone.
constexpr int jpegQuality = 92;

bool save(const QImage& picture, const QDir& folder, const QString& name, const char* format, int quality = -1)
{
    const QString path = folder.filePath(name);
    if (picture.save(path, format, quality))
        return true;
    std::fprintf(stderr, "kestrix-assetgen: cannot write %s\n", qPrintable(path));
    return false;
}

bool writeItemPictures(const QDir& folder)
{
    if (!folder.mkpath("items")) {
        std::fprintf(stderr, "kestrix-assetgen: cannot create %s\n", qPrintable(folder.filePath("items")));
        return false;
    }
    for (int number = 1; number <= kx::art::itemPictureCount; ++number) {
        const QString name = QString("items/item%1.png").arg(number, 2, 10, QChar('0'));
        if (!save(kx::art::itemPicture(number), folder, name, "PNG"))
            return false;
    }
    return true;
}

bool writeSidePictures(const QDir& folder)
{
    return save(kx::art::sidePicture(kx::art::Side::Left), folder, "sideitems.jpg", "JPG", jpegQuality) &&
           save(kx::art::sidePicture(kx::art::Side::Right), folder, "sideitems2.jpg", "JPG", jpegQuality);
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
    const QDir folder(arguments.at(1));
    return writeItemPictures(folder) && writeSidePictures(folder) ? 0 : 1;
}
