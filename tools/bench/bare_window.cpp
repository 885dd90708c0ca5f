// The smallest Qt program with a window, so the game's start-up time can be
// read against what Qt itself costs on the same machine.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare Qt Window");
    window.resize(320, 120);
    window.show();
    return app.exec();
}
