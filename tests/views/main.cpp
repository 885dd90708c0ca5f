#include <QApplication>
#include <QTest>

#include <memory>

// Every view test program defines its test object and shares this start.
QObject* makeViewTest();

int main(int argc, char* argv[])
{
    // The tests draw on no screen; their runner may start them without CTest's environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    std::unique_ptr<QObject> test(makeViewTest());
    return QTest::qExec(test.get(), argc, argv);
}
