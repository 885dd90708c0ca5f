// The window stack on its own: the game runs on the headless platform, and the
// test tells the stack what the engine did, as the Qt platform would.
#include "qt/FramelessView.h"
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
};

QObject* makeViewTest() { return new WindowStackTest; }

#include "WindowStackTest.moc"
