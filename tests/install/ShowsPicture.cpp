// Whether a skin picture shows in a picture of the screen, where the game draws it at its own
// size under the window's labels and buttons:
//   shows-picture SCREEN PICTURE
// exits 0 when it shows somewhere, 1 when it does not, 2 when a file cannot be read.
#include <QCoreApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

namespace {

// Every fourth pixel each way tells one picture from another.
constexpr int kStep = 4;
// The share of the picture that must show: the window covers the rest with its own controls.
constexpr double kShown = 0.6;

bool alike(QRgb a, QRgb b)
{
    constexpr int slack = 2;
    return std::abs(qRed(a) - qRed(b)) <= slack && std::abs(qGreen(a) - qGreen(b)) <= slack &&
           std::abs(qBlue(a) - qBlue(b)) <= slack;
}

bool showsAt(const QImage& screen, const QImage& picture, int left, int top)
{
    const int samples = ((picture.width() + kStep - 1) / kStep) * ((picture.height() + kStep - 1) / kStep);
    int missesLeft = static_cast<int>(samples * (1 - kShown));
    for (int y = 0; y < picture.height(); y += kStep)
        for (int x = 0; x < picture.width(); x += kStep)
            if (!alike(screen.pixel(left + x, top + y), picture.pixel(x, y)) && --missesLeft < 0)
                return false;
    return true;
}

bool shows(const QImage& screen, const QImage& picture)
{
    for (int top = 0; top + picture.height() <= screen.height(); ++top)
        for (int left = 0; left + picture.width() <= screen.width(); ++left)
            if (showsAt(screen, picture, left, top))
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: shows-picture SCREEN PICTURE\n");
        return 2;
    }
    const QImage screen = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(argv[2]).convertToFormat(QImage::Format_RGB32);
    if (screen.isNull() || picture.isNull()) {
        std::fprintf(stderr, "shows-picture: cannot read %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    if (shows(screen, picture))
        return 0;
    std::fprintf(stderr, "shows-picture: %s does not show in %s\n", argv[2], argv[1]);
    return 1;
}
