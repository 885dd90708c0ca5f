#include "ViewHarness.h"

#include "qt/Look.h"
#include "qt/RaraView.h"
#include "qt/TerminalView.h"
#include "qt/TextCodec.h"
#include "terminal/frmTerminal.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace kx;

// The terminal shows the transcript, takes typed lines and copies selected rows.
class TerminalViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

private slots:
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    void terminalLogsInAndListsFiles()
    {
        h.newGame("neo");
        TerminalView& view = h.connect();
        QCOMPARE(view.windowTitle(), QString("Kestrix Terminal"));
        QVERIFY(view.isVisible());
        QCOMPARE(view.rows()->rowText(0), ">Connecting to " + toQString(h.game->state.CurrentServerName));
        const ServerRecord& server = h.game->ConnectedServer();
        QVERIFY(h.game->state.AwaitingName);
        h.type(view, toQString(server.UserName));
        QVERIFY(h.game->state.AwaitingPassword);
        h.type(view, toQString(server.Password));
        QVERIFY(!h.game->state.AwaitingPassword && !h.game->state.Disconnected);
        // The line reached the interpreter, which emptied the input line.
        QCOMPARE(view.input()->text(), QString());
        h.type(view, "cls");
        h.type(view, "dir");
        QCOMPARE(view.rows()->rowText(0), QString(">dir"));
        QCOMPARE(view.rows()->rowText(1), QString(">-Main Folder"));
        QCOMPARE(view.rows()->rowText(2), ">-->1]  " + toQString(h.game->state.ServerFiles[1].Name));
        QVERIFY(view.grab().save(h.shotPath("terminal-window.png")));
    }

    void terminalSelectsAndCopiesRows()
    {
        h.newGame("neo");
        TerminalView& view = h.connect();
        QGuiApplication::clipboard()->setText("before");
        TermRows* rows = view.rows();
        const frmTerminal& terminal = *h.terminal();
        auto rowCentre = [&](int index) {
            return look::pixels(terminal.Term[index].rect).translated(-rows->pos()).center();
        };
        QTest::mouseClick(rows, Qt::LeftButton, {}, rowCentre(0));
        QTest::mouseClick(rows, Qt::LeftButton, {}, rowCentre(3));
        QVERIFY(terminal.Term[0].Selected && terminal.Term[3].Selected);
        QVERIFY(rows->rowSelected(3) && !rows->rowSelected(2));
        // Shift-click between them floods the gap.
        QTest::mouseClick(rows, Qt::LeftButton, Qt::ShiftModifier, rowCentre(1));
        QVERIFY(terminal.Term[1].Selected && terminal.Term[2].Selected);
        QTest::mouseClick(view.button(1), Qt::LeftButton);
        const QStringList copied = QGuiApplication::clipboard()->text().split("\r\n");
        QCOMPARE(copied.size(), 4);
        QCOMPARE(copied[0], ">Connecting to " + toQString(h.game->state.CurrentServerName));
        QCOMPARE(copied[3], QString(">.."));
        const QImage shot = view.grab().toImage();
        const QPoint selectedPixel = rows->mapTo(&view, rowCentre(1) + QPoint(200, 0));
        QCOMPARE(shot.pixelColor(selectedPixel * shot.devicePixelRatio()), QColor(255, 0, 0));
        // A right click clears the selection.
        QTest::mouseClick(rows, Qt::RightButton, {}, rowCentre(5));
        QVERIFY(!terminal.Term[0].Selected && !terminal.Term[3].Selected);
    }

    void scrollBarShowsEarlierLines()
    {
        h.newGame("neo");
        TerminalView& view = h.connect();
        h.type(view, "help");
        QCOMPARE(view.scrollBar()->maximum(), static_cast<int>(h.game->state.TermLineCount));
        QCOMPARE(view.scrollBar()->value(), static_cast<int>(h.game->state.TermLineCount) - 17);
        view.scrollBar()->setValue(0);
        QCOMPARE(view.rows()->rowText(0), QString(">Kestrix Command Help File"));
        QCOMPARE(view.rows()->rowText(12).at(8), QChar(0x2302)); // the parameter mark is drawn
    }

    void closingTheTerminalStopsAConnectionUnderWay()
    {
        h.newGame("neo");
        QTimer::singleShot(300, [&] {
            if (FramelessView* view = h.terminal() ? h.platform->viewOf(*h.terminal()) : nullptr)
                view->close();
        });
        QTest::mouseClick(h.mainView().button(1), Qt::LeftButton);
        QVERIFY(!h.terminal());
        QCOMPARE(h.game->state.TermLineCount, 0.0f);
        QVERIFY(h.game->state.Disconnected);
    }
};

QObject* makeViewTest() { return new TerminalViewTest; }

#include "TerminalViewTest.moc"
