#include "ViewHarness.h"

#include "economy/frmShop.h"
#include "qt/FinanceView.h"
#include "qt/ShopView.h"
#include "qt/TerminalView.h"
#include "qt/TextCodec.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <random>

using namespace kx;

// Random clicks, keys and answers in any order, also while the game waits
// (connecting, cracking, saving a payment, a message up), must never crash
// the game or leave a window behind.  Under the sanitizers this finds a use
// after free at once.  KESTRIX_MONKEY_SEED=n repeats the run of seed n.
class MonkeyTest : public QObject {
    Q_OBJECT
    ViewHarness h;
    std::mt19937 dice;

    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); }
    QString pick(const QStringList& choices) { return choices.at(roll(choices.size())); }

    void startGame()
    {
        // Waits run at a hundredth of their length so many of them fit in one run.
        h.newGame("neo", 0.01);
        h.choosePager = [this](auto&, bool asks) { return roll(5) == 0 ? 0 : asks ? 2 + roll(2) : 1; };
        h.chooseInput = [this](auto&) {
            return pick({"", "neo", "Tavrik", "qelvun", " a ", "micro", "500", "$2,000"});
        };
        h.chooseMenu = [this](QMenu& menu) { chooseFrom(menu); };
    }

    // Any item of the menu or its submenus, greyed ones too, or none.
    void chooseFrom(QMenu& menu)
    {
        QList<QAction*> items;
        QList<QMenu*> menus{&menu};
        while (!menus.isEmpty())
            for (QAction* action : menus.takeFirst()->actions())
                if (action->menu())
                    menus << action->menu();
                else if (!action->isSeparator())
                    items << action;
        if (const int k = roll(items.size() + 1); k < items.size())
            items[k]->trigger();
        else
            menu.close();
    }

    // Half the time the line a player who knows the answers would type next.
    QString randomLine()
    {
        const GameState& s = h.game->state;
        const ServerRecord& server = h.game->ConnectedServer();
        const QString name = toQString(server.UserName), password = toQString(server.Password);
        if (roll(2) == 0 && !s.Disconnected) {
            if (s.AwaitingName || s.AwaitingPassword)
                return s.AwaitingName ? name : password;
            for (int i = 1; i <= kFileSlots; ++i)
                if (s.ServerFiles[i].IsPaymentDatabase)
                    return QString("write %1 %2 %3").arg(toQString(s.ServerFiles[i].Name))
                        .arg(server.MaxPayment - 100 + roll(400)).arg(roll(12));
        }
        return pick({"prgmname", "prgmpass", "help", "selhelp", "cls", "dir", "read 1", "read 12", name,
                     password, "write x 5 1", "write payments.dtb 300 3", "write a b c", "nonsense"});
    }

    void onMainWindow(RaraView& view)
    {
        QTreeWidget* list = view.serverList();
        switch (roll(6)) {
        case 0: QTest::mouseClick(view.button(1 + roll(7)), Qt::LeftButton); break;
        case 1: QTest::mouseClick(view.button(1), Qt::LeftButton); break; // Connect
        case 2: QTest::mouseClick(view.strip(), Qt::LeftButton); break;
        case 3: QTest::mouseDClick(view.strip(), Qt::LeftButton); break;
        case 4:
            if (const QRect row = list->visualItemRect(list->topLevelItem(roll(5))); !row.isEmpty())
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
            break;
        case 5: h.game->state.Funds = roll(4) == 0 ? -5.0f : 2000.0f; break;
        }
    }

    void onTerminal(TerminalView& view)
    {
        switch (roll(6)) {
        case 0: QTest::mouseClick(view.button(1 + roll(3)), Qt::LeftButton); break;
        case 1:
            QTest::mouseClick(view.rows(), roll(2) ? Qt::LeftButton : Qt::RightButton,
                              roll(2) ? Qt::ShiftModifier : Qt::NoModifier, {20, 6 + 13 * roll(17)});
            break;
        case 2: view.scrollBar()->setValue(roll(view.scrollBar()->maximum() + 1)); break;
        case 3:
            if (roll(4) == 0)
                view.close();
            break;
        default: // a typed line, twice as often as any other action
            view.input()->setText(randomLine());
            QTest::keyClick(view.input(), Qt::Key_Return);
        }
    }

    void onShop(ShopView& view)
    {
        QListWidget* list = view.list(1 + roll(2));
        switch (roll(4)) {
        case 0: QTest::mouseClick(view.button(1 + roll(2)), Qt::LeftButton); break;
        case 1: view.close(); break;
        default:
            if (list->count() > 0) {
                QListWidgetItem* entry = list->item(roll(list->count()));
                list->scrollToItem(entry);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(entry).center());
            }
        }
    }

    // The finances window runs modally: the player's hand there comes from a timer.
    void onFinance()
    {
        auto* view = dynamic_cast<FinanceView*>(QApplication::activeModalWidget());
        if (view && roll(4) == 0)
            view->close();
        else if (view)
            QTest::mouseClick(view->button(1 + roll(4)), Qt::LeftButton);
    }

    void randomAction()
    {
        if (!h.game || h.game->ended() || !h.rara())
            return;
        if (const frmShop* shop = h.game->find<frmShop>(); shop && roll(3) == 0) {
            onShop(*static_cast<ShopView*>(h.platform->viewOf(*shop)));
            return;
        }
        FramelessView* terminal = h.terminal() ? h.platform->viewOf(*h.terminal()) : nullptr;
        if (terminal && roll(3) != 0)
            onTerminal(*static_cast<TerminalView*>(terminal));
        else if (roll(40) == 0)
            h.mainView().close();
        else
            onMainWindow(h.mainView());
    }

private slots:
    void cleanup() { QVERIFY(h.reset()); }

    void monkeyClicksNeverBreakTheGame()
    {
        const int seed = qEnvironmentVariableIntValue("KESTRIX_MONKEY_SEED"); // 0 when not set
        qInfo("Monkey seed %d", seed);
        dice.seed(seed);
        // A timer does not fire again while its own handler runs, and a click in
        // the finances window may run a long while: each tick acts from a timer of its own.
        QTimer financeHand;
        connect(&financeHand, &QTimer::timeout, this,
                [this] { QTimer::singleShot(0, h.platform.get(), [this] { onFinance(); }); });
        financeHand.start(7);
        startGame();
        for (int step = 0; step < 1500; ++step) {
            if (h.game->ended())
                startGame();
            // Some actions land in the middle of whatever the game is waiting on.
            if (roll(3) == 0)
                QTimer::singleShot(roll(30), h.platform.get(), [this] { randomAction(); });
            randomAction();
            if (roll(4) == 0)
                QTest::qWait(roll(20));
            QVERIFY(h.game->ended() || h.rara());
            QVERIFY(h.game->state.TermLineCount >= 0);
        }
    }
};

QObject* makeViewTest() { return new MonkeyTest; }

#include "MonkeyTest.moc"
