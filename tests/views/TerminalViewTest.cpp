#include "ViewHarness.h"

#include "qt/Look.h"
#include "qt/TerminalView.h"
#include "qt/TextCodec.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include <algorithm>

using namespace kx;

// The terminal shows the transcript, takes typed lines and copies selected rows.
class TerminalViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

    // Presses "Connect" and returns once the server has answered.
    TerminalView& connect()
    {
        QTest::mouseClick(h.mainView().button(1), Qt::LeftButton);
        return *static_cast<TerminalView*>(h.platform->viewOf(*h.terminal()));
    }

private slots:
    void init() { h.newGame(); }
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    void terminalLogsInAndListsFiles()
    {
        TerminalView& view = connect();
        const ServerRecord& server = h.game->ConnectedServer();
        QTest::keyClicks(view.input(), toQString(server.UserName + '\r' + server.Password + '\r'));
        QTest::keyClicks(view.input(), "cls\rdir\r");
        QCOMPARE(view.rows()->rowText(1), QString(">-Main Folder"));
        QCOMPARE(view.rows()->rowText(2), ">-->1]  " + toQString(h.game->state.ServerFiles[1].Name));
        // The line reached the interpreter, which emptied the input line.
        QCOMPARE(view.input()->text(), QString());
        QVERIFY(view.grab().save(h.shotPath("terminal-window.png")));
    }

    // A click selects a row, a shift-click the rows up to it, a right click none.
    void terminalSelectsAndCopiesRows()
    {
        TerminalView& view = connect();
        TermRows* rows = view.rows();
        auto centre = [&](int row) {
            return look::pixels(h.terminal()->Term[row].rect).translated(-rows->pos()).center();
        };
        QTest::mouseClick(rows, Qt::LeftButton, {}, centre(0));
        QTest::mouseClick(rows, Qt::LeftButton, {}, centre(3));
        QTest::mouseClick(rows, Qt::LeftButton, Qt::ShiftModifier, centre(1));
        QVERIFY(rows->rowSelected(3) && !rows->rowSelected(4));
        QTest::mouseClick(view.button(1), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text().split("\r\n").size(), 4);
        const QImage selected = rows->grab(QRect(centre(1) + QPoint(200, 0), QSize(1, 1))).toImage();
        QCOMPARE(selected.pixelColor(0, 0), QColor(255, 0, 0));
        QTest::mouseClick(rows, Qt::RightButton, {}, centre(5));
        QVERIFY(!h.terminal()->Term[0].Selected);
    }

    // The game's text is Windows-1252; the terminal draws control bytes as console glyphs.
    void textConvertsFromWindows1252()
    {
        const std::string bytes = "\x80 caf\xE9 \xFF \x92";
        const QString text = toQString(bytes);
        QCOMPARE(text, QString::fromUtf8("\u20AC caf\u00E9 \u00FF \u2019"));
        QCOMPARE(fromQString(text), bytes);
        QCOMPARE(fromQString(QString::fromUtf8("\u4E2D")), std::string("?"));
        QCOMPARE(toTerminalQString("\x7F\x01\xB4"), QString::fromUtf8("\u2302\u263A\u00B4"));
    }

    void scrollBarShowsEarlierLines()
    {
        TerminalView& view = connect();
        QTest::keyClicks(view.input(), "help\r");
        const int lines = static_cast<int>(h.game->state.TermLineCount);
        QCOMPARE(view.scrollBar()->maximum(), lines);
        QCOMPARE(view.scrollBar()->value(), lines - 17);
        view.scrollBar()->setValue(0);
        QCOMPARE(view.rows()->rowText(0), QString(">Kestrix Command Help File"));
        QCOMPARE(view.rows()->rowText(12).at(8), QChar(0x2302)); // the parameter mark is drawn
    }

    // The wheel scrolls three lines a notch, Page Up a screen; Tab completes
    // what is typed and, on an empty line, goes on to the buttons; Ctrl+C
    // copies the selected rows.
    void wheelPagesTabAndCopyWorkAsInATerminal()
    {
        TerminalView& view = connect();
        QTest::keyClicks(view.input(), "help\r");
        const int end = view.scrollBar()->value();
        QWheelEvent notch(QPointF(10, 10), view.rows()->mapToGlobal(QPointF(10, 10)), {}, {0, 120},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.rows(), &notch);
        QCOMPARE(view.scrollBar()->value(), end - 3);
        QTest::keyClick(view.input(), Qt::Key_PageUp);
        QCOMPARE(view.scrollBar()->value(), std::max(end - 3 - 17, 0));
        QTest::keyClicks(view.input(), "sel");
        QTest::keyClick(view.input(), Qt::Key_Tab);
        QCOMPARE(view.input()->text(), QString("selhelp"));
        QCOMPARE(QApplication::focusWidget(), view.input());
        view.input()->clear();
        h.game->dispatch([&] { h.terminal()->Text1.Text.clear(); });
        QTest::keyClick(view.input(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != view.input());
        h.game->dispatch([&] { h.terminal()->Term[2].Selected = true; });
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(view.input(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), toQString(h.terminal()->Term[2].Caption));
    }

    // A whole break-in without the mouse: the welcome and the alias by keys, a
    // server found by typing its name and connected to with Enter, the crackers,
    // a listing, lines brought back with Up and Down, and a payment whose
    // messages are answered with Enter or Escape.  Keys go wherever the focus is.
    void aBreakInByKeysAlone()
    {
        int answered = 0;
        h.newGame("neo", 0.01, true);
        h.choosePager = [&](PagerView&, bool asks) { return ++answered, asks ? 3 : 1; };
        const auto typed = [](const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); };
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        GameState& s = h.game->state;
        QCOMPARE(s.Alias, std::string("neo"));
        QTRY_COMPARE(QApplication::focusWidget(), h.mainView().serverList());
        typed(toQString(h.rara()->ListView1.items.at(1).text));
        QCOMPARE(h.rara()->ListView1.selected, 2);
        s.Server[h.rara()->SelectedServer].Vulnerability = 10000; // the crackers are never caught
        press(Qt::Key_Return);
        auto* view = static_cast<TerminalView*>(h.platform->viewOf(*h.terminal()));
        QTRY_COMPARE(QApplication::focusWidget(), view->input());
        typed("prgmname\rprgmpass\rdir\r");
        QVERIFY(!s.Disconnected && !s.AwaitingName && !s.AwaitingPassword);
        const QStringList recalled{"dir", "prgmpass", "dir", ""};
        for (int i = 0; i < recalled.size(); ++i) {
            press(i < 2 ? Qt::Key_Up : Qt::Key_Down);
            QCOMPARE(view->input()->text(), recalled[i]);
        }
        const auto database = std::ranges::find_if(s.ServerFiles, &ServerFile::IsPaymentDatabase);
        QVERIFY(database != s.ServerFiles.end());
        typed("write " + toQString(database->Name) + " 100 1\r");
        QVERIFY(answered > 0);
        QVERIFY(h.game->ended() || s.DayCount == 2);
        // The day is over: the keys go on in a window of the game (the main window,
        // the terminal where it stays, or the shop a new day opens).
        const auto typingGoesOn = [] {
            return QApplication::focusWidget() && QApplication::focusWidget()->isVisible();
        };
        QTRY_VERIFY(h.game->ended() || typingGoesOn());
    }

    void closingTheTerminalStopsAConnectionUnderWay()
    {
        QTimer::singleShot(300, h.platform.get(), [&] {
            if (FramelessView* view = h.terminal() ? h.platform->viewOf(*h.terminal()) : nullptr)
                view->close();
        });
        QTest::mouseClick(h.mainView().button(1), Qt::LeftButton);
        QVERIFY(!h.terminal() && h.game->state.Disconnected);
    }
};

QObject* makeViewTest() { return new TerminalViewTest; }

#include "TerminalViewTest.moc"
