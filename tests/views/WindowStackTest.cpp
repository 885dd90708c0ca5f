// The window stack on its own: the game runs on the headless platform, and the
// test tells the stack what the engine did, as the Qt platform would.
#include "qt/FramelessView.h"
#include "qt/WindowPlacement.h"
#include "qt/WindowStack.h"
#include "core/Game.h"
#include "core/RandomSource.h"
#include "economy/frmFinance.h"
#include "shell/HeadlessPlatform.h"
#include "storage/frmScorelist.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QTest>

using namespace kx;

class WindowStackTest : public QObject {
    Q_OBJECT

private slots:
    // The keyboard goes back to the window shown before the one that went; a
    // minimised window shown again comes back; an unloaded window's view lives
    // until the safe point; once closed, nothing shows again.
    void windowsComeAndGoInTheirOrder()
    {
        HeadlessPlatform platform(QDir::tempPath().toStdString(), "/kestrix");
        ClockMixedRandom random(7);
        Game game(platform, random);
        WindowStack stack([](QEventLoop& loop) { loop.exec(); });
        stack.attach(game);
        Window& finance = game.load<frmFinance>();
        stack.loaded(finance);
        Window& scores = game.load<frmScorelist>();
        stack.loaded(scores);
        FramelessView* under = stack.viewOf(finance);
        QPointer<FramelessView> over = stack.viewOf(scores);
        QVERIFY(under && over && under != over);

        stack.show(finance);
        stack.show(scores);
        QVERIFY(QTest::qWaitForWindowActive(over));
        over->showMinimized();
        stack.show(scores);
        QVERIFY(!over->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(over));

        stack.unloaded(scores);
        game.unload(scores);
        QVERIFY(!over->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(under));
        QVERIFY(over);
        stack.atSafePoint();
        QTRY_VERIFY(!over);

        stack.close();
        QVERIFY(!under->isVisible());
        stack.show(finance);
        QVERIFY(!under->isVisible());
    }

    // Windows open beside the main window where the screen has room, on no
    // other window; else cascaded from it, never off the screen.
    void windowsOpenBesideTheMainWindowAndOnTheScreen()
    {
        const QRect wide(0, 0, 1920, 1080), narrow(0, 0, 800, 600);
        const QRect main(760, 390, 401, 301), centred(199, 149, 401, 301);
        const QRect terminal(1173, 390, 451, 321), shop(267, 390, 481, 301);
        const struct { QSize size; QRect main, screen; std::vector<QRect> others; QPoint place; } rows[] = {
            {{451, 321}, main, wide, {}, {1173, 390}},
            {{481, 301}, main, wide, {terminal}, {267, 390}},
            {{330, 162}, main, wide, {terminal, shop}, {760, 703}},
            {{451, 321}, QRect(440, 250, 401, 301), QRect(0, 0, 1280, 800), {}, {0, 250}},
            {{451, 321}, centred, narrow, {}, {239, 189}},
            {{451, 321}, centred, narrow, {QRect(239, 189, 451, 321)}, {259, 209}},
            {{1000, 700}, centred, narrow, {}, {0, 0}}};
        for (const auto& row : rows) {
            const QPoint place = PlaceBeside(row.size, row.main, row.screen, row.others);
            QCOMPARE(place, row.place);
            QVERIFY(row.screen.contains(QRect(place, row.size)) || !row.screen.contains(QRect({}, row.size)));
        }
    }
};

QObject* makeViewTest() { return new WindowStackTest; }

#include "WindowStackTest.moc"
