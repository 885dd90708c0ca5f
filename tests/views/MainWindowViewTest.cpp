#include "ViewHarness.h"

#include "core/frmRara.h"
#include "qt/RaraView.h"
#include "qt/TextCodec.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <ctime>

using namespace kx;

// The main window shows the game and its buttons and strip reach the engine.
class MainWindowViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

    static QStringList labelTexts(QWidget& view)
    {
        QStringList texts;
        for (QLabel* label : view.findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }

private slots:
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    void mainWindowShowsTheNewGame()
    {
        h.newGame("neo");
        QCOMPARE(h.answerer->pagerTexts.size(), 1);
        QVERIFY(h.answerer->pagerTexts[0].startsWith("Welcome to Kestrix."));
        QCOMPARE(h.answerer->inputTitles, QStringList{"Welcome newbie!"});
        RaraView& view = h.mainView();
        QVERIFY(view.isVisible());
        QCOMPARE(view.windowTitle(), QString("Kestrix"));
        QVERIFY(view.windowFlags() & Qt::FramelessWindowHint);
        const QStringList texts = labelTexts(view);
        QVERIFY(texts.contains("$2,000"));
        QVERIFY(texts.contains("$4,000"));
        QVERIFY(texts.contains("$0"));
        const frmRara& rara = *h.game->find<kx::frmRara>();
        QVERIFY(texts.contains(toQString(rara.Label2.Caption)));
        QCOMPARE(view.serverList()->topLevelItemCount(), static_cast<int>(rara.ListView1.items.size()));
        QCOMPARE(view.serverList()->currentItem(), view.serverList()->topLevelItem(0));
        QCOMPARE(view.serverList()->headerItem()->text(1), QString("Host"));
        QCOMPARE(view.strip()->printed().at(0).text, std::string("Neo on day 1"));
        for (int number = 1; number <= 7; ++number)
            QVERIFY(view.button(number)->isEnabled());
        QVERIFY(view.grab().save(h.shotPath("main-window.png")));
    }

    void skipDayButtonAdvancesTheDay()
    {
        h.newGame("neo");
        RaraView& view = h.mainView();
        QTest::mouseClick(view.button(6), Qt::LeftButton);
        QCOMPARE(h.game->state.DayCount, 2.0f);
        QVERIFY(labelTexts(view).contains("$4,400"));
        QCOMPARE(view.strip()->printed().at(0).text, std::string("Neo on day 2 out of 30"));
    }

    // A clicked server is the one the strip describes and "Connect" connects to.
    void clickingAServerSelectsItForTheStripAndConnect()
    {
        h.newGame("neo");
        RaraView& view = h.mainView();
        QTreeWidget* list = view.serverList();
        QVERIFY(list->topLevelItemCount() >= 2);
        const QRect second = list->visualItemRect(list->topLevelItem(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        const frmRara& rara = *h.game->find<kx::frmRara>();
        QCOMPARE(rara.SelectedServer, *h.game->FindServer(rara.ListView1.items[1].text));
        h.game->platform().refreshViews();
        QCOMPARE(list->currentItem(), list->topLevelItem(1));
        h.platform->setTimeScale(0);
        h.connect();
        QCOMPARE(h.game->state.CurrentServerName, rara.ListView1.items[1].text);
    }

    void stripScrollsAtTheDesignedPace()
    {
        h.newGame("neo");
        RaraView& view = h.mainView();
        QTest::mouseClick(view.strip(), Qt::LeftButton);
        const frmRara& rara = *h.game->find<kx::frmRara>();
        QVERIFY(rara.Timer1.Enabled);
        const int start = rara.InfoX;
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(500);
        const double seconds = clock.nsecsElapsed() / 1e9;
        // 2 pixels a tick at 64 ticks a second.
        const double speed = (start - rara.InfoX) / seconds;
        QVERIFY2(speed > 100 && speed < 140, qPrintable(QString::number(speed)));
        QVERIFY(view.strip()->printed().at(0).text.starts_with("Name:  "));
        QTest::mouseDClick(view.strip(), Qt::LeftButton);
        QVERIFY(!rara.Timer1.Enabled);
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
        QCOMPARE(fresh.strip()->printed().at(0).text, std::string("Trinity on day 1 out of 30"));
        QVERIFY(labelTexts(fresh).contains("$2,000"));
        QCOMPARE(h.game->state.DayCount, 1.0f);
    }
};

QObject* makeMainWindowViewTest() { return new MainWindowViewTest; }

#include "MainWindowViewTest.moc"
