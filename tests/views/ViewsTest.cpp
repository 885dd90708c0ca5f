#include "ModalAnswerer.h"

#include "core/Game.h"
#include "core/RandomSource.h"
#include "core/frmRara.h"
#include "economy/frmPager.h"
#include "qt/PagerView.h"
#include "qt/QtPlatform.h"
#include "qt/RaraView.h"
#include "qt/TextCodec.h"
#include "qt/TickPacer.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <QPointer>

#include <ctime>
#include <memory>
#include <random>

using namespace kx;

namespace {

QString shotPath(const char* name)
{
    return QCoreApplication::applicationDirPath() + "/" + name;
}

QStringList labelTexts(QWidget& view)
{
    QStringList texts;
    for (QLabel* label : view.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

} // namespace

class ViewsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QtPlatform> platform;
    std::unique_ptr<ClockMixedRandom> random;
    std::unique_ptr<Game> game;
    std::unique_ptr<ModalAnswerer> answerer;

    void newGame(const QString& alias)
    {
        platform = std::make_unique<QtPlatform>([] {});
        random = std::make_unique<ClockMixedRandom>(42);
        game = std::make_unique<Game>(*platform, *random);
        platform->attach(*game);
        answerer = std::make_unique<ModalAnswerer>(*game);
        answerer->inputs.push_back(alias);
        game->start();
    }

    RaraView& mainView() { return *static_cast<RaraView*>(platform->viewOf(*game->rara())); }

private slots:
    void cleanup()
    {
        answerer.reset();
        game.reset();
        platform.reset();
        random.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Every window of a game goes with it.
        int visible = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            visible += widget->isVisible();
        QCOMPARE(visible, 0);
    }

    void mainWindowShowsTheNewGame()
    {
        newGame("neo");
        QCOMPARE(answerer->pagerTexts.size(), 1);
        QVERIFY(answerer->pagerTexts[0].startsWith("Welcome to Kestrix."));
        QCOMPARE(answerer->inputTitles, QStringList{"Welcome newbie!"});
        RaraView& view = mainView();
        QVERIFY(view.isVisible());
        QCOMPARE(view.windowTitle(), QString("Kestrix"));
        QVERIFY(view.windowFlags() & Qt::FramelessWindowHint);
        const QStringList texts = labelTexts(view);
        QVERIFY(texts.contains("$2,000"));
        QVERIFY(texts.contains("$4,000"));
        QVERIFY(texts.contains("$0"));
        const frmRara& rara = *game->rara();
        QVERIFY(texts.contains(toQString(rara.Label2.Caption)));
        QCOMPARE(view.serverList()->topLevelItemCount(), static_cast<int>(rara.ListView1.items.size()));
        QCOMPARE(view.serverList()->currentItem(), view.serverList()->topLevelItem(0));
        QCOMPARE(view.serverList()->headerItem()->text(1), QString("Host"));
        QCOMPARE(view.strip()->printed().at(0).text, std::string("Neo on day 1"));
        for (int number = 1; number <= 7; ++number)
            QVERIFY(view.button(number)->isEnabled());
        QVERIFY(view.grab().save(shotPath("main-window.png")));
    }

    void skipDayButtonAdvancesTheDay()
    {
        newGame("neo");
        RaraView& view = mainView();
        QTest::mouseClick(view.button(6), Qt::LeftButton);
        QCOMPARE(game->state.DayCount, 2.0f);
        QVERIFY(labelTexts(view).contains("$4,400"));
        QCOMPARE(view.strip()->printed().at(0).text, std::string("Neo on day 2 out of 30"));
    }

    void clickingAServerSelectsItForTheStrip()
    {
        newGame("neo");
        RaraView& view = mainView();
        QTreeWidget* list = view.serverList();
        QVERIFY(list->topLevelItemCount() >= 2);
        const QRect second = list->visualItemRect(list->topLevelItem(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        const frmRara& rara = *game->rara();
        QCOMPARE(rara.SelectedServer, *game->FindServer(rara.ListView1.items[1].text));
    }

    void stripScrollsAtTheDesignedPace()
    {
        newGame("neo");
        RaraView& view = mainView();
        QTest::mouseClick(view.strip(), Qt::LeftButton);
        const frmRara& rara = *game->rara();
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

    void pagerAnswersAndItsCloseMark_data()
    {
        QTest::addColumn<bool>("twoButtons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("expected");
        QTest::newRow("okay") << false << 1 << 1;
        QTest::newRow("yes") << true << 2 << 2;
        QTest::newRow("no") << true << 3 << 3;
        // Closing through the window system is a refusal, never a hang.
        QTest::newRow("closed one-button") << false << 0 << 1;
        QTest::newRow("closed two-button") << true << 0 << 3;
    }

    void pagerAnswersAndItsCloseMark()
    {
        QFETCH(bool, twoButtons);
        QFETCH(int, press);
        QFETCH(int, expected);
        newGame("neo");
        answerer->pagerAnswers = {press};
        bool visibleRight = false;
        answerer->onPager = [&](PagerView& pager) {
            visibleRight = pager.button(1)->isVisible() == !twoButtons &&
                           pager.button(2)->isVisible() == twoButtons &&
                           pager.button(3)->isVisible() == twoButtons &&
                           pager.windowTitle() == "Pager Message";
            if (twoButtons)
                QVERIFY(pager.grab().save(shotPath("pager-window.png")));
        };
        std::int16_t answer = 0;
        game->dispatch([&] { answer = game->ShowPager("Would you like to start a new game?", twoButtons); });
        QCOMPARE(int(answer), expected);
        QVERIFY(visibleRight);
        QVERIFY(!game->pager());
    }

    void closingTheMainWindowEndsTheProgramWithoutQuestions()
    {
        newGame("neo");
        game->state.Funds = -50;
        mainView().close();
        QVERIFY(game->ended());
        QVERIFY(platform->quitting());
        // Only the welcome message was ever shown: no "Game Over", no question.
        QCOMPARE(answerer->pagerTexts.size(), 1);
    }

    void titleStripDragsTheWindow()
    {
        // Offscreen there is no window manager to move windows: the view follows the mouse.
        newGame("neo");
        RaraView& view = mainView();
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
        newGame("neo");
        bool timerRan = false;
        QTimer::singleShot(50, [&] { timerRan = true; });
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuBefore = std::clock();
        game->dispatch([&] { game->Pause(0.4); });
        const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        QVERIFY(wall.elapsed() >= 395);
        QVERIFY(timerRan);
        QVERIFY2(cpu < 0.1, qPrintable(QString::number(cpu)));
    }

    void gameOverOffersANewGameThatReplacesTheMainWindow()
    {
        newGame("neo");
        QPointer<RaraView> old = &mainView();
        game->state.Funds = -1;
        // "Game Over" gets Okay, the question Yes, the new welcome Okay.
        answerer->pagerAnswers = {1, 2, 1};
        answerer->inputs.push_back("trinity");
        QTest::mouseClick(old->button(6), Qt::LeftButton);
        QCOMPARE(answerer->pagerTexts.mid(1, 2),
                 QStringList({"You don't have enough money!  Game Over.",
                              "Would you like to start a new game?"}));
        RaraView& fresh = mainView();
        QVERIFY(&fresh != old.data());
        QVERIFY(fresh.isVisible());
        QVERIFY(!old || !old->isVisible());
        QCOMPARE(fresh.strip()->printed().at(0).text, std::string("Trinity on day 1 out of 30"));
        QVERIFY(labelTexts(fresh).contains("$2,000"));
        QCOMPARE(game->state.DayCount, 1.0f);
    }

    // Random clicks, keys and answers in any order must never crash the game or leave
    // a window behind; run under the sanitizers this finds use-after-free at once.
    void monkeyClicksNeverBreakTheGame()
    {
        std::mt19937 dice(7);
        auto roll = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); };
        newGame("neo");
        answerer->choosePager = [&](bool asks) { return asks ? roll(4) == 0 ? 0 : 2 + roll(2) : roll(3) == 0 ? 0 : 1; };
        answerer->chooseInput = [&](const QString&) {
            return QStringList{"", "micro", "Tavrik", "qelvun", "zed", " a "}.at(roll(6));
        };
        for (int step = 0; step < 400; ++step) {
            if (game->ended()) {
                cleanup();
                newGame("neo");
                answerer->choosePager = [&](bool asks) { return asks ? 3 : 1; };
            }
            RaraView& view = mainView();
            switch (roll(9)) {
            case 0: QTest::mouseClick(view.button(1 + roll(7)), Qt::LeftButton); break;
            case 1: QTest::mouseClick(view.strip(), Qt::LeftButton); break;
            case 2: QTest::mouseDClick(view.strip(), Qt::LeftButton); break;
            case 3: {
                QMouseEvent move(QEvent::MouseMove, QPointF(roll(230), 5), QPointF(), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(view.strip(), &move);
                break;
            }
            case 4:
                if (QTreeWidgetItem* item = view.serverList()->topLevelItem(roll(5)))
                    QTest::mouseClick(view.serverList()->viewport(), Qt::LeftButton, {},
                                      view.serverList()->visualItemRect(item).center());
                break;
            case 5: QTest::mouseDClick(view.serverList()->viewport(), Qt::LeftButton); break;
            case 6: game->state.Funds = roll(3) == 0 ? -5.0f : 100.0f; break;
            case 7: QTest::qWait(roll(40)); break;
            case 8:
                if (roll(10) == 0)
                    view.close();
                break;
            }
        }
    }

    void windows1252TextRoundTrips()
    {
        const std::string bytes = "\x80 caf\xE9 \xFF \x92";
        const QString text = toQString(bytes);
        QCOMPARE(text, QString::fromUtf8("\u20AC caf\u00E9 \u00FF \u2019"));
        QCOMPARE(fromQString(text), bytes);
        QCOMPARE(fromQString(QString::fromUtf8("\u4E2D")), std::string("?"));
    }

    void pacerKeepsSixtyFourTicksASecond()
    {
        TickPacer pacer(1.0 / 64);
        pacer.start(0);
        int ticks = 0;
        for (int ms = 1; ms <= 1000; ms += 1)
            ticks += pacer.due(ms / 1000.0);
        QCOMPARE(ticks, 64);
        // A stall does not make the strip leap.
        QCOMPARE(pacer.due(3.0), 4);
        QCOMPARE(pacer.due(3.0 + 1.0 / 64), 1);
    }
};

int main(int argc, char* argv[])
{
    // The tests draw on no screen; their runner may start them without CTest's environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ViewsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewsTest.moc"
