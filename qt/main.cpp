#include "QtPlatform.h"
#include "core/Game.h"
#include "core/RandomSource.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName("Kestrix");
    app.setQuitOnLastWindowClosed(false);
    kx::QtPlatform platform;
    kx::ClockMixedRandom random;
    kx::Game game(platform, random);
    platform.attach(game);
    game.start();
    return game.ended() ? 0 : app.exec();
}
