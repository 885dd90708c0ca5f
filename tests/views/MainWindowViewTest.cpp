#include "ViewHarness.h"

#include "qt/Look.h"
#include "qt/TextCodec.h"
#include "qt/TickPacer.h"

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
    void init() { h.newGame(); }
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    // The frameless window shows what the engine holds once the game has
    // started, and after each change once its handler returns.
    void widgetsShowTheEngine_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("none") << 0;
        QTest::newRow("money and accounts") << 1;
        QTest::newRow("a new list") << 2;
        QTest::newRow("second server selected") << 3;
    }

    void widgetsShowTheEngine()
    {
        QFETCH(int, change);
        GameState& s = h.game->state;
        if (change == 1)
            h.game->dispatch([&] {
                s.Funds = 1234.5f, s.Items[1] = 7, s.Items[2] = 3, s.Debt = 4400.4f, s.BankFunds = 12;
                h.game->DrawStatus();
            });
        if (change == 2)
            h.game->dispatch([&] { h.rara()->ListServers(); });
        if (change == 3)
            h.game->dispatch([&] { h.rara()->ListView1.selected = 2; });
        RaraView& view = h.mainView();
        QVERIFY(view.isVisible() && view.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(view.windowTitle(), QString("Kestrix"));
        expectMirrors(view, *h.rara());
        QVERIFY(view.grab().save(h.shotPath("main-window.png")));
    }

    // Clicks land only inside the rounded outline: the mask was once made before
    // the outline was known, and its square corners took clicks.
    void cornersOutsideTheOutlineTakeNoClicks()
    {
        const RaraView& view = h.mainView();
        QCOMPARE(view.size(), QSize(401, 301));
        for (const QPoint corner : {QPoint(0, 0), QPoint(400, 0), QPoint(0, 300), QPoint(400, 300)})
            QVERIFY2(!view.mask().contains(corner), qPrintable(QString("%1,%2").arg(corner.x()).arg(corner.y())));
        for (const QPoint inside : {QPoint(3, 0), QPoint(200, 150), QPoint(397, 300)})
            QVERIFY(view.mask().contains(inside));
    }

    // A clicked server is the one the strip describes.
    void clickingAServerSelectsIt()
    {
        QTreeWidget* list = h.mainView().serverList();
        QVERIFY(list->topLevelItemCount() >= 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->topLevelItem(1)).center());
        QCOMPARE(h.rara()->SelectedServer, *h.game->FindServer(h.rara()->ListView1.items[1].text));
    }

    void pacerKeepsSixtyFourTicksASecond()
    {
        TickPacer pacer(1.0 / 64);
        pacer.start(0);
        int ticks = 0;
        for (int ms = 1; ms <= 1000; ++ms)
            ticks += pacer.due(ms / 1000.0);
        QCOMPARE(ticks, 64);
        // A stall does not make the strip leap: at most four ticks at once.
        QCOMPARE(pacer.due(3.0), 4);
        QCOMPARE(pacer.due(3.0 + 1.0 / 64), 1);
        QCOMPARE(pacer.due(3.0 + 6.0 / 64), 4);
    }

    // Clicked, the strip scrolls two pixels a tick at 64 ticks a second, also
    // through a pause, which keeps no processor busy; a double click stops it.
    void stripScrollsAtItsPaceThroughAPause()
    {
        StripWidget* strip = h.mainView().strip();
        QTest::mouseClick(strip, Qt::LeftButton);
        const int start = h.rara()->InfoX;
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuBefore = std::clock();
        h.game->dispatch([&] { h.game->Pause(0.5); });
        const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        const double seconds = wall.nsecsElapsed() / 1e9, speed = (start - h.rara()->InfoX) / seconds;
        QVERIFY2(seconds >= 0.495 && cpu < 0.1, qPrintable(QString::number(cpu)));
        QVERIFY2(speed > 100 && speed < 140, qPrintable(QString::number(speed)));
        QTest::mouseDClick(strip, Qt::LeftButton);
        QVERIFY(!h.rara()->Timer1.Enabled);
    }

    // The strip draws a short text and one too wide to keep as a picture alike,
    // where the engine printed it.
    void stripDrawsTextsOfAnyWidth()
    {
        StripWidget* strip = h.mainView().strip();
        const auto printedShot = [&](const std::string& text) {
            h.game->dispatch([&] {
                PictureBox& box = h.rara()->Picture1;
                box.Cls();
                box.CurrentX = 5;
                box.CurrentY = 6;
                if (!text.empty())
                    box.Print(text);
            });
            return strip->grab().toImage();
        };
        const QImage blank = printedShot("");
        for (const std::string& text : {std::string("Day 1"), std::string(4000, 'W')}) {
            const QImage shot = printedShot(text);
            int changed = 0, left = shot.width();
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (shot.pixel(x, y) != blank.pixel(x, y)) {
                        ++changed;
                        left = std::min(left, x);
                    }
            QVERIFY2(changed > 20, qPrintable(QString::number(text.size())));
            QVERIFY2(left >= 4 && left <= 7, qPrintable(QString::number(left)));
        }
    }

    // Offscreen there is no window manager to move windows: the view follows the mouse.
    void titleStripDragsTheWindow()
    {
        RaraView& view = h.mainView();
        const QPoint before = view.pos();
        QWidget* strip = view.childAt(40, 10);
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(30, 5));
        QTest::mouseMove(&view, strip->mapTo(&view, QPoint(30 + 35, 5 + 35)));
        QTest::mouseRelease(&view, Qt::LeftButton);
        QCOMPARE(view.pos(), before + QPoint(35, 35));
    }

    // Skip Day without money ends the game; a new one replaces the main window,
    // and closing that ends the program.
    void gameOverBringsAFreshMainWindowThatClosesTheProgram()
    {
        QPointer<RaraView> old = &h.mainView();
        h.game->state.Funds = -5000; // beyond what any pager message of the new day gives
        h.choosePager = [](PagerView&, bool asks) { return asks ? 2 : 1; };
        QTest::mouseClick(old->button(6), Qt::LeftButton);
        RaraView& fresh = h.mainView();
        QVERIFY(&fresh != old.data() && fresh.isVisible());
        QVERIFY(!old || !old->isVisible());
        fresh.close();
        QVERIFY(h.game->ended() && h.platform->quitting() && !h.rara());
    }
};

QObject* makeViewTest() { return new MainWindowViewTest; }

#include "MainWindowViewTest.moc"
