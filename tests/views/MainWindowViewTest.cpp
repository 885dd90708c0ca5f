#include "ViewHarness.h"

#include "core/frmRara.h"
#include "qt/Look.h"
#include "qt/RaraView.h"
#include "qt/TextCodec.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <ctime>

using namespace kx;

// The main window shows what the engine holds, and its buttons, list, strip
// and title strip reach the engine.
class MainWindowViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

    frmRara& rara() const { return *h.rara(); }

    // Every label, button, list row and the strip show what their engine control holds.
    static void expectMirrors(RaraView& view, const frmRara& w)
    {
        for (const Label* label : {&w.Label2, &w.Label5, &w.Label6, &w.Label7, &w.Label8, &w.Label9,
                                   &w.Label10, &w.Label11, &w.Label12, &w.Label13, &w.Label14}) {
            const QWidget* shown = view.childAt(look::pixels(label->rect).center());
            QVERIFY2(shown && shown->inherits("QLabel"), label->Caption.c_str());
            QCOMPARE(static_cast<const QLabel*>(shown)->text(), toQString(label->Caption));
        }
        const Button* buttons[] = {&w.Command1, &w.Command2, &w.Command3, &w.Command4,
                                   &w.Command5, &w.Command6, &w.Command7};
        for (int number = 1; number <= 7; ++number) {
            QCOMPARE(view.button(number)->text(), toQString(buttons[number - 1]->Caption));
            QCOMPARE(view.button(number)->isEnabled(), buttons[number - 1]->Enabled);
        }
        QTreeWidget* list = view.serverList();
        QCOMPARE(list->headerItem()->text(1), toQString(w.ListView1.columns.at(1).text));
        QCOMPARE(list->topLevelItemCount(), static_cast<int>(w.ListView1.items.size()));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            QCOMPARE(list->topLevelItem(i)->text(1), toQString(w.ListView1.items[i].subItems[0].text));
        QCOMPARE(list->indexOfTopLevelItem(list->currentItem()) + 1, w.ListView1.selected);
        QCOMPARE(view.strip()->printed(), w.Picture1.printed);
    }

private slots:
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    void mainWindowShowsTheNewGame()
    {
        h.newGame("neo");
        QCOMPARE(h.answerer->inputTitles, QStringList{"Welcome newbie!"});
        RaraView& view = h.mainView();
        QVERIFY(view.isVisible());
        QCOMPARE(view.windowTitle(), QString("Kestrix"));
        QVERIFY(view.windowFlags() & Qt::FramelessWindowHint);
        expectMirrors(view, rara());
        QVERIFY(view.grab().save(h.shotPath("main-window.png")));
    }

    // What the engine changes reaches the widgets when its handler returns.
    void engineChangesReachTheWidgets_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("money and accounts") << 0;
        QTest::newRow("a new list") << 1;
        QTest::newRow("second server selected") << 2;
    }

    void engineChangesReachTheWidgets()
    {
        QFETCH(int, change);
        h.newGame("neo");
        GameState& s = h.game->state;
        h.game->dispatch([&] {
            if (change == 0) {
                s.Funds = 1234.5f, s.Items[1] = 7, s.Items[2] = 3, s.Debt = 4400.4f, s.BankFunds = 12;
                h.game->DrawStatus();
            }
            if (change == 1)
                rara().ListServers();
            if (change == 2)
                rara().ListView1.selected = 2;
        });
        expectMirrors(h.mainView(), rara());
    }

    // A clicked server is the one the strip describes and "Connect" connects to.
    void clickingAServerSelectsItForTheStripAndConnect()
    {
        h.newGame("neo");
        QTreeWidget* list = h.mainView().serverList();
        QVERIFY(list->topLevelItemCount() >= 2);
        const QRect second = list->visualItemRect(list->topLevelItem(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(rara().SelectedServer, *h.game->FindServer(rara().ListView1.items[1].text));
        h.platform->setTimeScale(0);
        h.connect();
        QCOMPARE(h.game->state.CurrentServerName, rara().ListView1.items[1].text);
    }

    // The pacer's own test cannot see which tick the view gives it: the pace is measured here.
    void stripScrollsAtTheDesignedPace()
    {
        h.newGame("neo");
        RaraView& view = h.mainView();
        QTest::mouseClick(view.strip(), Qt::LeftButton);
        QVERIFY(rara().Timer1.Enabled);
        const int start = rara().InfoX;
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(500);
        const double seconds = clock.nsecsElapsed() / 1e9;
        // 2 pixels a tick at 64 ticks a second.
        const double speed = (start - rara().InfoX) / seconds;
        QVERIFY2(speed > 100 && speed < 140, qPrintable(QString::number(speed)));
        QVERIFY(view.strip()->printed().at(0).text.starts_with("Name:  "));
        QTest::mouseDClick(view.strip(), Qt::LeftButton);
        QVERIFY(!rara().Timer1.Enabled);
    }

    void closingTheMainWindowEndsTheProgramWithoutQuestions()
    {
        h.newGame("neo");
        h.game->state.Funds = -50;
        h.mainView().close();
        QVERIFY(h.game->ended());
        QVERIFY(h.platform->quitting());
        // Only the welcome message was ever shown: no "Game Over", no question.
        QCOMPARE(h.answerer->pagerTexts.size(), 1);
    }

    void titleStripDragsTheWindow()
    {
        // Offscreen there is no window manager to move windows: the view follows the mouse.
        h.newGame("neo");
        RaraView& view = h.mainView();
        const QPoint before = view.pos();
        QWidget* strip = view.childAt(40, 10);
        QVERIFY(strip);
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(30, 5));
        // The mouse travels 35 pixels right and down from where it was pressed.
        const QPoint pressedAt = strip->mapToGlobal(QPoint(30, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(0, 0), QPointF(pressedAt + QPoint(35, 35)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
        QTest::mouseRelease(&view, Qt::LeftButton);
        QCOMPARE(view.pos(), before + QPoint(35, 35));
    }

    void pauseKeepsWindowsAliveWithoutBusyWaiting()
    {
        h.newGame("neo");
        bool timerRan = false;
        QTimer::singleShot(50, [&] { timerRan = true; });
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuBefore = std::clock();
        h.game->dispatch([&] { h.game->Pause(0.4); });
        const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        QVERIFY(wall.elapsed() >= 395);
        QVERIFY(timerRan);
        QVERIFY2(cpu < 0.1, qPrintable(QString::number(cpu)));
    }

    // Also the Skip Day button's way to the engine.
    void gameOverOffersANewGameThatReplacesTheMainWindow()
    {
        h.newGame("neo");
        QPointer<RaraView> old = &h.mainView();
        h.game->state.Funds = -1;
        // "Game Over" gets Okay, the question Yes, the new welcome Okay.
        h.answerer->pagerAnswers = {1, 2, 1};
        h.answerer->inputs.push_back("trinity");
        QTest::mouseClick(old->button(6), Qt::LeftButton);
        QCOMPARE(h.answerer->pagerTexts.mid(1, 2),
                 QStringList({"You don't have enough money!  Game Over.",
                              "Would you like to start a new game?"}));
        RaraView& fresh = h.mainView();
        QVERIFY(&fresh != old.data());
        QVERIFY(fresh.isVisible());
        QVERIFY(!old || !old->isVisible());
        expectMirrors(fresh, rara());
    }
};

QObject* makeViewTest() { return new MainWindowViewTest; }

#include "MainWindowViewTest.moc"
