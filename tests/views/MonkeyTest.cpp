#include "ViewHarness.h"

#include "qt/PagerView.h"
#include "qt/RaraView.h"
#include "qt/TerminalView.h"
#include "qt/TextCodec.h"
#include "terminal/frmTerminal.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <random>

using namespace kx;

// Random clicks, keys and answers in any order, also while the game waits
// (connecting, cracking, saving a payment, a message up), must never crash
// the game or leave a window behind.  Under the sanitizers this finds a use
// after free at once.
class MonkeyTest : public QObject {
    Q_OBJECT
    ViewHarness h;
    std::mt19937 dice{7};

    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); }

    void startGame()
    {
        // Waits run at a hundredth of their length so many of them fit in one run.
        h.newGame("neo", 0.01);
        h.answerer->choosePager = [this](bool asks) {
            return roll(5) == 0 ? 0 : asks ? 2 + roll(2) : 1;
        };
        h.answerer->chooseInput = [this](const QString& title) {
            if (title == "Welcome newbie!")
                return QStringList{"neo", "Tavrik", "qelvun", " a "}.at(roll(4));
            return QStringList{"", "micro", "zed"}.at(roll(3));
        };
    }

    // Half the time the line a player who knows the answers would type next.
    QString randomLine()
    {
        const GameState& s = h.game->state;
        const ServerRecord& server = h.game->ConnectedServer();
        if (roll(2) == 0 && !s.Disconnected) {
            if (s.AwaitingName)
                return toQString(server.UserName);
            if (s.AwaitingPassword)
                return toQString(server.Password);
            for (int i = 1; i <= kFileSlots; ++i)
                if (s.ServerFiles[i].IsPaymentDatabase)
                    return QString("write %1 %2 %3")
                        .arg(toQString(s.ServerFiles[i].Name))
                        .arg(server.MaxPayment - 100 + roll(400))
                        .arg(roll(12));
        }
        const QStringList lines = {"prgmname", "prgmpass", "help", "selhelp", "cls", "dir",
                                   "read 1", "read 12", toQString(server.UserName),
                                   toQString(server.Password), "write x 5 1",
                                   "write payments.dtb 300 3", "write a b c", "nonsense"};
        return lines.at(roll(lines.size()));
    }

    void onMainWindow()
    {
        RaraView& view = h.mainView();
        switch (roll(6)) {
        case 0: QTest::mouseClick(view.button(1 + roll(7)), Qt::LeftButton); break;
        case 1: QTest::mouseClick(view.strip(), Qt::LeftButton); break;
        case 2: QTest::mouseDClick(view.strip(), Qt::LeftButton); break;
        case 3:
            if (QTreeWidgetItem* item = view.serverList()->topLevelItem(roll(5)))
                QTest::mouseClick(view.serverList()->viewport(), Qt::LeftButton, {},
                                  view.serverList()->visualItemRect(item).center());
            break;
        case 4: QTest::mouseClick(view.button(1), Qt::LeftButton); break;
        case 5: h.game->state.Funds = roll(4) == 0 ? -5.0f : 2000.0f; break;
        }
    }

    void onTerminal(TerminalView& view)
    {
        switch (roll(6)) {
        case 0:
        case 1: {
            const QString line = randomLine();
            if (FramelessView* live = h.platform->viewOf(*h.terminal()); live == &view)
                view.input()->setText(line);
            QTest::keyClick(view.input(), Qt::Key_Return);
            break;
        }
        case 2: QTest::mouseClick(view.button(1 + roll(3)), Qt::LeftButton); break;
        case 3:
            QTest::mouseClick(view.rows(), roll(2) ? Qt::LeftButton : Qt::RightButton,
                              roll(2) ? Qt::ShiftModifier : Qt::NoModifier,
                              QPoint(20, 6 + 13 * roll(17)));
            break;
        case 4: view.scrollBar()->setValue(roll(view.scrollBar()->maximum() + 1)); break;
        case 5:
            if (roll(4) == 0)
                view.close();
            break;
        }
    }

    void randomAction()
    {
        if (!h.game || h.game->ended() || !h.rara())
            return;
        if (h.terminal() && roll(3) != 0) {
            if (auto* view = static_cast<TerminalView*>(h.platform->viewOf(*h.terminal())))
                onTerminal(*view);
            return;
        }
        if (roll(40) == 0)
            h.mainView().close();
        else
            onMainWindow();
    }

private slots:
    void cleanup() { QVERIFY(h.reset()); }

    void monkeyClicksNeverBreakTheGame()
    {
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
