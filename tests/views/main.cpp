#include <QApplication>
#include <QTest>

#include <memory>

QObject* makeMainWindowViewTest();
QObject* makePagerViewTest();
QObject* makeTerminalViewTest();
QObject* makeFrontEndHelpersTest();
QObject* makeMonkeyTest();

int main(int argc, char* argv[])
{
    // The tests draw on no screen; their runner may start them without CTest's environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    int failures = 0;
    for (auto make : {makeMainWindowViewTest, makePagerViewTest, makeTerminalViewTest,
                      makeFrontEndHelpersTest, makeMonkeyTest}) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
