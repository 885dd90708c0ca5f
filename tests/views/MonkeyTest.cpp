#include "ViewHarness.h"

#include "economy/frmShop.h"
#include "qt/CreditsView.h"
#include "qt/ScorelistView.h"
#include "shell/frmCredits.h"
#include "storage/frmScorelist.h"
#include "qt/FinanceView.h"
#include "qt/ShopView.h"
#include "qt/TerminalView.h"
#include "qt/TextCodec.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <random>

using namespace kx;

// Random clicks, keys, typed lines, menu entries, file names and answers in
// any order, over every window and also while the game waits (connecting,
// cracking, saving a payment, the credits typing, a message or box up), must
// never crash the game, leave a window of a replaced game behind or make money
// that is not a number.  Under the sanitizers this finds a use after free at
// once.  KESTRIX_MONKEY_SEED=n repeats the run of seed n; KESTRIX_MONKEY_EVENTS
// sets how many actions it takes (2000 unless set).  It runs in a folder of its
// own, so the files it saves, clears and chooses are its own.
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
            return pick({"", "neo", "Tavrik", "qelvun", " a ", "micro", "500", "$2,000", "1e39", "-0",
                         "nan", "99999999999999999999", garbage(40), QString(3000, '9')});
        };
        h.chooseMenu = [this](QMenu& menu) { chooseFrom(menu); };
        h.chooseFile = [this](const QString&) { return randomFile(); };
    }

    // Bytes a player might paste: any of the 255 codes but the line break mark.
    QString garbage(int length)
    {
        std::string bytes;
        for (int i = 0; i < length; ++i)
            bytes += static_cast<char>(1 + roll(254));
        return toQString(bytes);
    }

    // A saved game, a skin's picture, a file that is missing, not a game or a
    // folder, or one where the game may not write; or the dialog cancelled.
    // Every one lies in the monkey's folder, since a save may go to any of them;
    // a name too long for the system stands for a place the game may not write.
    QString randomFile()
    {
        const QString here = QCoreApplication::applicationDirPath();
        return pick({"", here + "/games/monkey.kxg", here + "/games/monkey", here + "/missing.kxg",
                     here + "/skins/Daylight/main.jpg", here + "/skins/Daylight/popup.jpg", here + "/games",
                     here + "/notes.txt", here + "/notes.txt/game.kxg", here + "/" + QString(300, 'n'),
                     here + "/" + garbage(12)});
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
        switch (roll(8)) {
        case 0: return garbage(1 + roll(200));
        case 1: // a long paste now and then: the terminal prints it row by row
            return roll(10) == 0 ? QString(30000, QChar('a' + roll(26))) : garbage(600);
        case 2:
            return QString("write %1 %2 %3").arg(pick({"payments.dtb", "x", garbage(5)}))
                .arg(pick({"0", "-5", "1e39", "300", "1,500", "$20", garbage(3)}))
                .arg(pick({"0", "1", "10", "02", "9999999999", "-1", "1.5", garbage(2)}));
        default:
            return pick({"prgmname", "prgmpass", "help", "selhelp", "cls", "dir", "read 1", "read 12", name,
                         password, "write x 5 1", "write payments.dtb 300 3", "write a b c", "nonsense"});
        }
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

    void onScorelist(ScorelistView& view)
    {
        if (roll(3) == 0)
            view.close();
        else
            QTest::mouseClick(view.button(1 + roll(2)), Qt::LeftButton);
    }

    void onCredits(CreditsView& view)
    {
        if (roll(2) == 0)
            view.close();
        else
            QTest::mouseClick(view.continueButton(), Qt::LeftButton);
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

    // The game runs, its money is numbers, and every window on the screen is
    // one of the game now running.
    bool invariantsHold() const
    {
        const GameState& s = h.game->state;
        bool finite = std::isfinite(s.Funds) && std::isfinite(s.Debt) && std::isfinite(s.BankFunds);
        for (float held : s.Items)
            finite = finite && std::isfinite(held);
        const auto views = QApplication::topLevelWidgets();
        const bool current = std::ranges::none_of(views, [](QWidget* w) {
            auto* view = dynamic_cast<FramelessView*>(w);
            return view && view->isVisible() && !view->engineWindow();
        });
        return (h.game->ended() || h.rara()) && finite && current && s.TermLineCount >= 0;
    }

    void randomAction()
    {
        if (!h.game || h.game->ended() || !h.rara())
            return;
        if (const frmShop* shop = h.game->find<frmShop>(); shop && roll(3) == 0) {
            onShop(*static_cast<ShopView*>(h.platform->viewOf(*shop)));
            return;
        }
        if (const frmScorelist* scores = h.game->find<frmScorelist>(); scores && roll(3) == 0) {
            onScorelist(*static_cast<ScorelistView*>(h.platform->viewOf(*scores)));
            return;
        }
        if (const frmCredits* credits = h.game->find<frmCredits>(); credits && roll(3) == 0) {
            onCredits(*static_cast<CreditsView*>(h.platform->viewOf(*credits)));
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
    // The monkey's folder gets a skin of its own and a file that is no game.
    void initTestCase()
    {
        const QDir here(QCoreApplication::applicationDirPath());
        QVERIFY(here.mkpath("skins/Daylight"));
        for (const QString& name : QDir(here.filePath("../skins/Daylight")).entryList(QDir::Files)) {
            QFile::remove(here.filePath("skins/Daylight/" + name));
            QVERIFY(QFile::copy(here.filePath("../skins/Daylight/" + name), here.filePath("skins/Daylight/" + name)));
        }
        QFile notes(here.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("Remember the milk.\n") > 0);
    }

    void cleanup() { QVERIFY(h.reset()); }

    void monkeyClicksNeverBreakTheGame()
    {
        const int seed = qEnvironmentVariableIntValue("KESTRIX_MONKEY_SEED"); // 0 when not set
        bool set = false;
        const int events = qEnvironmentVariableIntValue("KESTRIX_MONKEY_EVENTS", &set);
        qInfo("Monkey seed %d, %d events", seed, set ? events : 2000);
        dice.seed(seed);
        // A timer does not fire again while its own handler runs, and a click in
        // the finances window may run a long while: each tick acts from a timer of its own.
        QTimer financeHand;
        connect(&financeHand, &QTimer::timeout, this,
                [this] { QTimer::singleShot(0, h.platform.get(), [this] { onFinance(); }); });
        financeHand.start(7);
        startGame();
        for (int step = 0; step < (set ? events : 2000); ++step) {
            if (h.game->ended())
                startGame();
            // Some actions land in the middle of whatever the game is waiting on.
            if (roll(3) == 0)
                QTimer::singleShot(roll(30), h.platform.get(), [this] { randomAction(); });
            randomAction();
            if (roll(4) == 0)
                QTest::qWait(roll(20));
            QVERIFY2(invariantsHold(), qPrintable(QString("seed %1, step %2").arg(seed).arg(step)));
        }
    }
};

QObject* makeViewTest() { return new MonkeyTest; }

#include "MonkeyTest.moc"
