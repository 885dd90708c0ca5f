#include "Accessibility.h"
#include "CommandLine.h"
#include "QtPlatform.h"
#include "Screenshot.h"
#include "core/Game.h"
#include "core/RandomSource.h"
#include "storage/KeptFiles.h"
#include "storage/Skins.h"
#include "storage/WindowSize.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include <memory>

namespace {

// Every size the icon was drawn in, so the desktop need not scale one.  Read
// as PNG outright: asking every image plugin which one reads a file costs more
// at start than the icon itself.
QIcon gameIcon()
{
    QIcon icon;
    const QDir icons(":/icons");
    for (const QString& name : icons.entryList(QDir::Files)) {
        QImageReader reader(icons.filePath(name), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// Qt takes the windows' scale only as it starts: the size the player chose is
// read first, with a platform of its own, and multiplies the desktop's own
// scaling and any scale the player's environment sets.
void applyWindowSize(int argc, char* argv[])
{
    int percent = 100;
    {
        QCoreApplication probe(argc, argv);
        kx::QtPlatform platform;
        percent = kx::ReadWindowSize(kx::KeptFileToRead(platform, kx::kSkinSettingsName));
    }
    if (percent == 100)
        return;
    bool set = false;
    const double outside = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    qputenv("QT_SCALE_FACTOR", QByteArray::number((set && outside > 0 ? outside : 1) * percent / 100.0));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication::setApplicationName("Kestrix");
    QApplication::setApplicationVersion(KESTRIX_VERSION);
    const kx::CommandLine options = kx::readCommandLine(argc, argv);
    if (options.exitCode)
        return *options.exitCode;
    // The windows are small and the strip repaints a sliver of one many times a
    // second: sent down the connection, a repaint costs less than shared memory's
    // wait for the window system at every frame.  A player's own choice stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    applyWindowSize(argc, argv);
    QApplication app(argc, argv);
    app.setWindowIcon(gameIcon());
    kx::InstallAccessibility();
    app.setQuitOnLastWindowClosed(false);
    kx::QtPlatform platform;
    kx::ClockMixedRandom random;
    kx::Game game(platform, random);
    platform.attach(game);
    std::unique_ptr<kx::ScreenshotAtFirstMessage> screenshot;
    if (!options.screenshot.isEmpty()) {
        screenshot = std::make_unique<kx::ScreenshotAtFirstMessage>(game, platform, options.screenshot);
        app.installEventFilter(screenshot.get());
    }
    game.start();
    const int code = game.ended() ? 0 : app.exec();
    return screenshot && !screenshot->saved() ? 1 : code;
}
