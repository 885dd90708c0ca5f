// What a screen reader reads, through Qt's accessibility interfaces: every
// window named, every control a name that says what it is, nothing hidden
// listed, whole texts where a strip shows a slice, and the terminal's
// transcript as one text that tells of its new lines.
#include "ViewHarness.h"

#include "economy/frmFinance.h"
#include "economy/frmShop.h"
#include "qt/TerminalView.h"
#include "records/frmLedger.h"
#include "records/frmMessages.h"
#include "shell/frmGuide.h"
#include "storage/frmScorelist.h"
#include "qt/TextCodec.h"

#include <QAccessible>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kx;

namespace {

// Role and name of each control a reader lists in the window, in order.
QStringList spoken(QWidget* window)
{
    QStringList names;
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; top && i < top->childCount(); ++i)
        if (QAccessibleInterface* child = top->child(i))
            names << QString::number(child->role()) + ':' + child->text(QAccessible::Name);
    return names;
}

QString role(QAccessible::Role r) { return QString::number(r) + ':'; }

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    ViewHarness h;

private slots:
    void init() { h.newGame(); }
    void cleanup() { QVERIFY(h.reset()); }

    // The main window reads its money line by line, its buttons, marks and
    // strip; the pager its whole message with only the answers it offers.
    void theMainWindowAndThePagerReadAsTheyShow()
    {
        const QStringList main = spoken(&h.mainView());
        QCOMPARE(QAccessible::queryAccessibleInterface(&h.mainView())->text(QAccessible::Name), QString("Kestrix"));
        for (const QString& control : {role(QAccessible::StaticText) + "Funds $2,000",
                                       role(QAccessible::StaticText) + "Personal Debt $4,000",
                                       role(QAccessible::Button) + "Connect", role(QAccessible::Button) + "Close",
                                       role(QAccessible::Button) + "Minimise",
                                       role(QAccessible::StaticText) + "Neo on day 1"})
            QVERIFY2(main.contains(control), qPrintable(control + " in " + main.join(" | ")));
        QVERIFY2(!main.join('|').contains(".."), "no dotted caption is read");

        QStringList message, answers;
        h.choosePager = [&](PagerView& pager, bool asks) {
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&pager);
            message << QString::number(window->role()) + ':' + window->text(QAccessible::Description);
            answers << spoken(&pager).filter(QRegularExpression('^' + role(QAccessible::Button) + "[A-Z]")).join(',');
            return asks ? 3 : 1;
        };
        const std::string text = "A message longer than its strip, read whole by a screen reader.";
        h.game->dispatch([&] { h.game->ShowPager(text, false); });
        h.game->dispatch([&] { h.game->ShowPager("Yes or no?", true); });
        QCOMPARE(message, (QStringList{role(QAccessible::AlertMessage) + toQString(text),
                                       role(QAccessible::AlertMessage) + "Yes or no?"}));
        const QString marks = role(QAccessible::Button) + "Title strip: drag to move the window," +
                              role(QAccessible::Button) + "Minimise,";
        QCOMPARE(answers, (QStringList{marks + role(QAccessible::Button) + "Okay",
                                       marks + role(QAccessible::Button) + "Yes," + role(QAccessible::Button) + "No"}));
    }

    // Every window is named and every control it lists says what it is: the
    // shop, the finances, the top ten and the credits as much as the others.
    void everyWindowAndControlHasAName()
    {
        Game& game = *h.game;
        const auto unnamed = [](QWidget* window) {
            QStringList missing;
            QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
            if (top->text(QAccessible::Name).isEmpty())
                missing << "the window";
            for (int i = 0; i < top->childCount(); ++i)
                if (QAccessibleInterface* child = top->child(i); child && child->text(QAccessible::Name).isEmpty() &&
                                                                  child->role() != QAccessible::ScrollBar)
                    missing << QString::number(child->role()) + " " + child->object()->metaObject()->className();
            return missing.join(", ");
        };
        game.dispatch([&] { game.load<frmShop>(); });
        QCOMPARE(unnamed(h.platform->viewOf(*game.find<frmShop>())), QString());
        game.dispatch([&] { game.unload(*game.find<frmShop>()); });
        game.dispatch([&] { game.load<frmScorelist>(); });
        QCOMPARE(unnamed(h.platform->viewOf(*game.find<frmScorelist>())), QString());
        game.dispatch([&] { game.unload(*game.find<frmScorelist>()); });
        game.dispatch([&] { game.load<frmMessages>(); });
        QCOMPARE(unnamed(h.platform->viewOf(*game.find<frmMessages>())), QString());
        game.dispatch([&] { game.load<frmGuide>(); });
        QCOMPARE(unnamed(h.platform->viewOf(*game.find<frmGuide>())), QString());
        game.dispatch([&] { game.load<frmLedger>(); });
        FramelessView* ledger = h.platform->viewOf(*game.find<frmLedger>());
        QCOMPARE(unnamed(ledger), QString());
        // What the chart draws, the reader reads from the table, cell by cell.
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(ledger);
        QAccessibleTableInterface* table = nullptr;
        for (int i = 0; i < top->childCount() && !table; ++i)
            if (top->child(i)->text(QAccessible::Name) == "Ledger, a row for each day")
                table = top->child(i)->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->cellAt(0, 2)->text(QAccessible::Name), QString("$4,000"));
        QString finance = "the finances never showed";
        QTimer::singleShot(0, h.platform.get(), [&] {
            FramelessView* view = h.platform->viewOf(*game.find<frmFinance>());
            finance = unnamed(view);
            QTest::keyClick(view, Qt::Key_Escape);
        });
        game.dispatch([&] { game.ShowModal(game.load<frmFinance>()); });
        QCOMPARE(finance, QString());
        QCOMPARE(unnamed(&h.mainView()), QString());
    }

    // The transcript is one read-only text of every line, the selected row a
    // selection of it.  (That a printed line is told as inserted text needs a
    // platform with a reader listening: the test over the desktop's bus.)
    void theTerminalReadsItsWholeTranscript()
    {
        QTest::mouseClick(h.mainView().button(1), Qt::LeftButton);
        auto& view = *static_cast<TerminalView*>(h.platform->viewOf(*h.terminal()));
        QCOMPARE(QAccessible::queryAccessibleInterface(view.input())->text(QAccessible::Name), QString("Command line"));
        QTest::keyClicks(view.input(), "help\r");
        QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(view.rows());
        QVERIFY(rows->state().readOnly && rows->state().multiLine);
        QAccessibleTextInterface* text = rows->textInterface();
        QVERIFY(text);
        const QString all = text->text(0, text->characterCount());
        QVERIFY2(all.contains(">Kestrix Command Help File\n"), qPrintable(all));
        QVERIFY2(all.startsWith(">Kestrix Command Help File"), "help clears the screen first");
        h.game->dispatch([&] { h.terminal()->Term[0].Selected = true; });
        QCOMPARE(text->selectionCount(), 1);
        int start = 0, end = 0;
        text->selection(0, &start, &end);
        QCOMPARE(all.mid(start, end - start), view.rows()->rowText(0));
    }
};

QObject* makeViewTest() { return new AccessibilityTest; }

#include "AccessibilityTest.moc"
