#include "ViewHarness.h"

#include "economy/frmFinance.h"
#include "economy/frmPager.h"
#include "economy/frmShop.h"
#include "qt/Look.h"
#include "qt/QtImage.h"
#include "storage/Skins.h"
#include "storage/frmScorelist.h"

#include <QLabel>
#include <QSoundEffect>
#include <QTest>

using namespace kx;

class SkinViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

    // Saves the window as the player sees it, and checks that its frame shows
    // the window's own picture, drawn pixel for pixel.
    void grabPaintedFromPicture(const Window& window, const QString& skin, const QString& name)
    {
        FramelessView* view = h.platform->viewOf(window);
        QVERIFY2(view && window.Picture, qPrintable(name));
        const QImage shot = view->grab().toImage();
        QVERIFY(shot.save(h.shotPath(qPrintable("skin-" + skin + "-" + name + ".png"))));
        const QImage picture = pixmapOf(window.Picture).toImage();
        const QPoint frame(shot.width() / 2, 2);
        QCOMPARE(shot.pixelColor(frame), picture.pixelColor(frame));
        // Each label reads on the part of the picture under it, whatever skin came before.
        for (const QLabel* label : view->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (label->text().isEmpty() || !label->isVisible())
                continue;
            const double text = label->palette().color(QPalette::WindowText).lightnessF();
            const bool onLight = look::isLightUnder(picture, label->geometry());
            QVERIFY2(onLight ? text < 0.4 : text > 0.6, qPrintable(name + ": " + label->text()));
        }
    }

private slots:
    void cleanup() { QVERIFY(h.reset()); }

    void everyWindowIsPaintedFromItsSkin_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("default") << "";
        QTest::newRow("Daylight") << "/skins/Daylight";
    }

    // Each skin dresses every window: the main window at once, the others as
    // they open.  The screenshots land in the build folder.
    void everyWindowIsPaintedFromItsSkin()
    {
        QFETCH(QString, folder);
        const QString skin = QTest::currentDataTag();
        h.newGame("neo", 0);
        Game& game = *h.game;
        game.dispatch([&] {
            game.state.SkinFolder = game.platform().programFolder() + folder.toStdString();
            RefreshSkin(game);
        });
        grabPaintedFromPicture(*h.rara(), skin, "main");
        h.choosePager = [&](PagerView& pager, bool) {
            game.dispatch([&] { // the message scrolled in far enough to read
                game.state.PagerScroll = 8;
                static_cast<frmPager*>(pager.engineWindow())->Timer1_Timer();
            });
            grabPaintedFromPicture(*pager.engineWindow(), skin, "pager");
            return 1;
        };
        game.dispatch([&] { game.ShowPager("The skin's own pager, with a message to read.", false); });
        game.dispatch([&] { game.load<frmShop>(); });
        grabPaintedFromPicture(*game.find<frmShop>(), skin, "shop");
        game.dispatch([&] { game.load<frmScorelist>(); });
        grabPaintedFromPicture(*game.find<frmScorelist>(), skin, "scores");
        game.dispatch([&] { h.rara()->Command1_Click(); });
        QVERIFY(h.terminal());
        grabPaintedFromPicture(*h.terminal(), skin, "terminal");
        game.dispatch([&] { game.Show(game.load<frmFinance>()); });
        grabPaintedFromPicture(*game.find<frmFinance>(), skin, "finance");
    }

    // Every sound the game plays is a file the sound machinery can load.
    void everySoundDecodes()
    {
        for (const char* name : {"type1", "beep1", "cash1", "clap1", "horn1"}) {
            QSoundEffect effect;
            const QString file = QCoreApplication::applicationDirPath() + "/sounds/" + name + ".wav";
            effect.setSource(QUrl::fromLocalFile(file));
            QTRY_COMPARE_WITH_TIMEOUT(effect.status(), QSoundEffect::Ready, 5000);
        }
    }
};

QObject* makeViewTest() { return new SkinViewTest; }

#include "SkinViewTest.moc"
