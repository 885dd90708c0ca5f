#include "ViewHarness.h"

#include "economy/frmFinance.h"
#include "economy/frmShop.h"
#include "qt/CreditsView.h"
#include "qt/GuideView.h"
#include "qt/LedgerChart.h"
#include "qt/LedgerView.h"
#include "qt/Look.h"
#include "qt/MessagesView.h"
#include "qt/ScorelistView.h"
#include "records/frmLedger.h"
#include "records/frmMessages.h"
#include "shell/frmCredits.h"
#include "shell/frmGuide.h"
#include "storage/frmScorelist.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <cmath>
#include <optional>

using namespace kx;

namespace {

// The chart on a ground of `window` at `size`, below its legend, whose marks
// show every colour whatever the lines do.
QImage drawn(LedgerChart& chart, QColor window, QSize size)
{
    constexpr int kLegend = 30;
    chart.setPalette(QPalette(window, window));
    chart.resize(size);
    return chart.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(0, kLegend, size.width(),
                                                                                size.height() - kLegend);
}

// The mean height of the pixels near `colour` between columns `from` and `to`; none when it is absent.
std::optional<double> meanY(const QImage& image, QColor colour, int from = 0, int to = 1 << 20)
{
    double sum = 0, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < std::min(to, image.width()); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                    std::abs(p.blue() - colour.blue()) < 30)
                sum += y, ++count;
        }
    return count ? std::optional(sum / count) : std::nullopt;
}

} // namespace

class ShellViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

    CreditsView* creditsView() const
    {
        const frmCredits* credits = h.game->find<frmCredits>();
        return credits ? static_cast<CreditsView*>(h.platform->viewOf(*credits)) : nullptr;
    }

    // The main window with a menu or a window beside or over it, as the player sees them.
    QPixmap mainWindowWith(QWidget& other) const
    {
        RaraView& main = h.mainView();
        const QRect both = main.geometry().united(other.geometry());
        QPixmap shot(both.size());
        shot.fill(Qt::black);
        QPainter painter(&shot);
        painter.drawPixmap(main.pos() - both.topLeft(), main.grab());
        painter.drawPixmap(other.pos() - both.topLeft(), other.grab());
        return shot;
    }

    static QAction* item(QMenu& menu, const QString& caption)
    {
        for (QAction* action : menu.findChildren<QAction*>())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    // Tabs once round `view`: each button the focus meets must show that it has
    // it, and the buttons must come round in reading order, from whichever
    // has the focus first.  Empty when all is well.
    static QString tabRound(FramelessView& view)
    {
        view.activateWindow();
        if (!QTest::qWaitForWindowActive(&view))
            return "the window never became active";
        QList<QPushButton*> expected;
        for (QPushButton* b : view.findChildren<QPushButton*>())
            if (b->isVisible() && b->isEnabled())
                expected << b;
        std::ranges::sort(expected, [](QPushButton* a, QPushButton* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        QList<QPushButton*> met;
        QWidget* start = view.focusWidget() ? view.focusWidget() : &view;
        for (int press = 0; press < 40; ++press) {
            QWidget* from = QApplication::focusWidget();
            const QImage marked = from ? from->grab().toImage() : QImage();
            QTest::keyClick(from ? from : &view, Qt::Key_Tab);
            auto* button = qobject_cast<QPushButton*>(from);
            if (button && !met.contains(button)) {
                if (button->grab().toImage() == marked)
                    return button->text() + " shows no focus mark";
                met << button;
            }
            if (QApplication::focusWidget() == start)
                break;
        }
        const auto captions = [](const QList<QPushButton*>& buttons) {
            QStringList texts;
            for (const QPushButton* b : buttons)
                texts << b->text();
            return texts.join(", ");
        };
        if (!expected.isEmpty() && met.contains(expected.front()))
            std::ranges::rotate(met, met.begin() + met.indexOf(expected.front()));
        return met == expected ? QString() : "met " + captions(met) + ", expected " + captions(expected);
    }

private slots:
    void cleanup() { QVERIFY(h.reset()); }

    // A keyboard player reaches every button of every window by Tab.
    void tabGoesRoundEveryWindowsButtons()
    {
        h.newGame();
        Game& game = *h.game;
        const auto viewOf = [&](const Window* window) { return window ? h.platform->viewOf(*window) : nullptr; };
        game.dispatch([&] { game.load<frmShop>(); });
        QCOMPARE(tabRound(*viewOf(game.find<frmShop>())), QString());
        game.dispatch([&] { game.unload(*game.find<frmShop>()); });
        game.dispatch([&] { game.Show(game.load<frmFinance>()); });
        QCOMPARE(tabRound(*viewOf(game.find<frmFinance>())), QString());
        game.dispatch([&] { game.unload(*game.find<frmFinance>()); });
        game.dispatch([&] { game.load<frmScorelist>(); });
        QCOMPARE(tabRound(*viewOf(game.find<frmScorelist>())), QString());
        game.dispatch([&] { game.unload(*game.find<frmScorelist>()); });
        QString credits = "the credits never showed";
        QTimer hand;
        connect(&hand, &QTimer::timeout, this, [&] {
            if (CreditsView* view = creditsView()) {
                hand.stop();
                credits = tabRound(*view);
                view->continueButton()->click();
            }
        });
        hand.start(10);
        game.dispatch([&] { game.load<frmCredits>(); });
        QCOMPARE(credits, QString());
    }

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
            QVERIFY(mainWindowWith(menu).save(h.shotPath("main-window-menu.png")));
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

    // Escape closes the shop, the top ten, the finances and the credits, as
    // the window system's close command would.
    void escapeClosesTheSecondaryWindows()
    {
        h.newGame("neo", 0.05);
        Game& game = *h.game;
        const auto escape = [&](WindowKind kind) {
            if (const Window* window = game.find(kind))
                QTest::keyClick(h.platform->viewOf(*window), Qt::Key_Escape);
        };
        game.dispatch([&] { game.load<frmShop>(); });
        escape(WindowKind::Shop);
        QVERIFY(!game.find<frmShop>());
        game.dispatch([&] { game.load<frmScorelist>(); });
        escape(WindowKind::Scorelist);
        QVERIFY(!game.find<frmScorelist>());
        QTimer::singleShot(0, h.platform.get(), [&] { escape(WindowKind::Finance); });
        game.dispatch([&] { game.ShowModal(game.load<frmFinance>()); });
        QVERIFY(!game.find<frmFinance>());
        QTimer::singleShot(50, h.platform.get(), [&] { escape(WindowKind::Credits); });
        game.dispatch([&] { game.load<frmCredits>(); });
        QTRY_VERIFY(!game.find<frmCredits>());
        escape(WindowKind::Rara);
        QVERIFY(h.rara());
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

    // The top ten shows ten rows, empty places too, and opens with the focus
    // on "Close": Enter closes it and never starts the question of clearing it.
    void highScoresShowTenPlaces()
    {
        h.newGame();
        h.game->dispatch([&] { h.game->load<frmScorelist>(); });
        auto* view = static_cast<ScorelistView*>(h.platform->viewOf(*h.game->find<frmScorelist>()));
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->list()->topLevelItemCount(), 10);
        QVERIFY(view->grab().save(h.shotPath("scores-window.png")));
        QVERIFY(QTest::qWaitForWindowActive(view));
        QCOMPARE(QApplication::focusWidget(), view->button(2));
        view->showMinimized();
        h.chooseMenu = [](QMenu& menu) { item(menu, "High Scores")->trigger(); };
        QTest::mouseClick(h.mainView().button(7), Qt::LeftButton);
        QCOMPARE(h.platform->viewOf(*h.game->find<frmScorelist>()), view);
        QVERIFY(!view->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(view));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!h.game->find<frmScorelist>());
    }

    // Ctrl+M lists the welcome, shown whole and ready to copy; after a day,
    // Ctrl+L charts and tables both days' debt; the final day's end shows the
    // ending beside the top ten with the game's place chosen.
    void theMessagesTheLedgerAndTheEnding()
    {
        h.newGame();
        RaraView& main = h.mainView();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_M, Qt::ControlModifier);
        const frmMessages* log = h.game->find<frmMessages>();
        QVERIFY(log);
        auto* messages = static_cast<MessagesView*>(h.platform->viewOf(*log));
        QCOMPARE(messages->list()->currentItem()->text(0), QString("1"));
        QVERIFY(messages->text()->toPlainText().startsWith("Welcome to Kestrix.  You're"));
        QVERIFY(messages->grab().save(h.shotPath("messages-window.png")));
        QTest::mouseClick(messages->button(1), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), messages->text()->toPlainText());

        QTest::mouseClick(main.button(6), Qt::LeftButton);
        main.activateWindow(); // the day may have opened the shop
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_L, Qt::ControlModifier);
        frmLedger* ledger = h.game->find<frmLedger>();
        QVERIFY(ledger);
        auto* view = static_cast<LedgerView*>(h.platform->viewOf(*ledger));
        QCOMPARE(view->table()->topLevelItem(0)->text(2), QString("$4,000"));
        QCOMPARE(view->table()->topLevelItem(1)->text(2), QString("$4,400"));
        QVERIFY(view->grab().save(h.shotPath("ledger-window.png")));

        h.game->dispatch([&] { h.game->state.DayCount = kFinalDay; });
        QTest::mouseClick(main.button(6), Qt::LeftButton);
        QCOMPARE(view->windowTitle(), QString("Game Over"));
        QVERIFY(view->findChild<QLabel*>()->text().startsWith("The thirty days are over."));
        const frmScorelist* scores = h.game->find<frmScorelist>();
        QVERIFY(scores && scores->ListView1.selected >= 1);
        const auto* list = static_cast<ScorelistView*>(h.platform->viewOf(*scores))->list();
        QCOMPARE(list->currentIndex().row(), scores->ListView1.selected - 1);
        QVERIFY(h.platform->viewOf(*scores)->grab().save(h.shotPath("ending-top-ten.png")));
        QVERIFY(view->grab().save(h.shotPath("ending-window.png")));
    }

    // The guide opens beside the main window at its first step, follows the
    // steps the game ticks, and "Close" puts it away.
    void theGuideFollowsTheFirstBreakIn()
    {
        h.guideShown = true;
        h.newGame();
        const frmGuide* guide = h.game->find<frmGuide>();
        QVERIFY(guide);
        auto* view = static_cast<GuideView*>(h.platform->viewOf(*guide));
        QVERIFY(view->isVisible());
        QCOMPARE(view->steps()->currentIndex().row(), 0);
        QVERIFY(view->how()->text().startsWith("Choose a server in the list with a high Vuln"));
        QVERIFY(mainWindowWith(*view).save(h.shotPath("guide-step-1.png")));
        h.game->dispatch([&] {
            for (GuideStep step : {GuideStep::Connect, GuideStep::LogIn, GuideStep::ReadLimit})
                TickGuide(*h.game, step);
        });
        QCOMPARE(view->steps()->currentIndex().row(), 3);
        QCOMPARE(view->steps()->topLevelItem(2)->text(2), QString("done"));
        QVERIFY(view->how()->text().startsWith("Type write, the payment database's name"));
        QVERIFY(mainWindowWith(*view).save(h.shotPath("guide-step-4.png")));
        QTest::mouseClick(view->closeButton(), Qt::LeftButton);
        QVERIFY(!h.game->find<frmGuide>());
        h.guideShown = false;
    }

    // Every series shows in its colour on a dark and a light ground, and the
    // growing debt climbs to the right, at any size; a single day below zero
    // still draws its mark.
    void theChartReadsOnEitherGround()
    {
        Chart ledger;
        ledger.series = {{"Cash", Chart::Mark::Circle, {}}, {"Debt", Chart::Mark::Square, {}},
                         {"Bank", Chart::Mark::Triangle, {}}};
        for (int day = 1; day <= 30; ++day) {
            ledger.series[0].points.push_back({day, 2000});
            ledger.series[1].points.push_back({day, 4000 * std::pow(1.1, day - 1)});
            ledger.series[2].points.push_back({day, 0});
        }
        LedgerChart chart;
        chart.setFont(look::uiFont());
        chart.show(ledger);
        const std::pair<QColor, QList<QColor>> grounds[] = {{"#1c2127", {"#7cf08a", "#f0c060", "#7cc8f0"}},
                                                            {"#eef1f5", {"#1e7b34", "#b3261e", "#1f4fb0"}}};
        for (const auto& [window, lines] : grounds)
            for (const QSize size : {QSize(600, 260), QSize(1200, 520)}) {
                const QImage image = drawn(chart, window, size);
                for (const QColor& line : lines)
                    QVERIFY2(meanY(image, line), qPrintable(line.name()));
                const auto left = meanY(image, lines[1], 0, image.width() / 4);
                const auto right = meanY(image, lines[1], image.width() * 3 / 4);
                QVERIFY(left && right && *right < *left - image.height() / 4);
            }
        Chart single;
        single.FirstDay = single.LastDay = 1;
        single.series = {{"Cash", Chart::Mark::Square, {{1, -500}}}};
        chart.show(single);
        QVERIFY(meanY(drawn(chart, "#1c2127", QSize(300, 150)), "#7cf08a"));
    }
};

QObject* makeViewTest() { return new ShellViewTest; }

#include "ShellViewTest.moc"
