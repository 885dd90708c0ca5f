#include "ViewHarness.h"

#include "qt/CreditsView.h"
#include "qt/ScorelistView.h"
#include "shell/frmCredits.h"
#include "storage/frmScorelist.h"

#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace kx;

class ShellViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

    CreditsView* creditsView() const
    {
        const frmCredits* credits = h.game->find<frmCredits>();
        return credits ? static_cast<CreditsView*>(h.platform->viewOf(*credits)) : nullptr;
    }

    // The main window with the menu open over it, as the player sees them.
    QPixmap mainWindowWithMenu(QMenu& menu) const
    {
        RaraView& main = h.mainView();
        const QRect both = main.geometry().united(menu.geometry());
        QPixmap shot(both.size());
        shot.fill(Qt::black);
        QPainter painter(&shot);
        painter.drawPixmap(main.pos() - both.topLeft(), main.grab());
        painter.drawPixmap(menu.pos() - both.topLeft(), menu.grab());
        return shot;
    }

    static QAction* item(QMenu& menu, const QString& caption)
    {
        for (QAction* action : menu.findChildren<QAction*>())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

private slots:
    void cleanup() { QVERIFY(h.reset()); }

    // "Other" pops up its menu below itself, "Sounds" ticked; "Credits" types the
    // credits out, and "Continue" in the middle closes them by the next character.
    void otherMenuOpensTheCreditsAndContinueClosesThem()
    {
        h.newGame("neo", 0.2);
        RaraView& main = h.mainView();
        bool shown = false;
        h.chooseMenu = [&](QMenu& menu) {
            if (menu.geometry().topLeft() != main.button(7)->mapToGlobal(QPoint(0, main.button(7)->height())))
                return; // not placed yet
            shown = true;
            QVERIFY(mainWindowWithMenu(menu).save(h.shotPath("main-window-menu.png")));
            QVERIFY(item(menu, "Sounds")->isCheckable());
            QVERIFY(item(menu, "Sounds")->isChecked());
            QVERIFY(item(menu, "High Scores")->isEnabled());
            item(menu, "Credits")->trigger();
        };
        qsizetype typed = 0;
        QTimer hand;
        connect(&hand, &QTimer::timeout, this, [&] {
            CreditsView* view = creditsView();
            if (!view || view->text()->toPlainText().size() < 300)
                return;
            hand.stop();
            QVERIFY(view->grab().save(h.shotPath("credits-window.png")));
            typed = view->text()->toPlainText().size();
            QTest::mouseClick(view->continueButton(), Qt::LeftButton);
        });
        hand.start(10);
        QTest::mouseClick(main.button(7), Qt::LeftButton);
        QVERIFY(shown);
        QCOMPARE(h.game->find<frmCredits>(), nullptr);
        QVERIFY(typed >= 300);
        QVERIFY(typed < static_cast<qsizetype>(frmCredits::CreditsText().size()) - 20);
    }

    // "Contents" hands the help's first page to the desktop.
    void contentsOpensTheHelp()
    {
        h.newGame();
        h.documents.opened.clear();
        h.chooseMenu = [](QMenu& menu) { item(menu, "Contents")->trigger(); };
        QTest::mouseClick(h.mainView().button(7), Qt::LeftButton);
        QCOMPARE(h.documents.opened.size(), 1);
        QVERIFY(h.documents.opened[0].toLocalFile().endsWith("/help/index.html"));
    }

    // The top ten shows ten rows, empty places too, and "Clear List" asks first.
    void highScoresShowTenPlaces()
    {
        h.newGame();
        h.game->dispatch([&] { h.game->load<frmScorelist>(); });
        auto* view = static_cast<ScorelistView*>(h.platform->viewOf(*h.game->find<frmScorelist>()));
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->list()->topLevelItemCount(), 10);
        QVERIFY(view->grab().save(h.shotPath("scores-window.png")));
        QTest::mouseClick(view->button(2), Qt::LeftButton);
        QVERIFY(!h.game->find<frmScorelist>());
    }
};

QObject* makeViewTest() { return new ShellViewTest; }

#include "ShellViewTest.moc"
