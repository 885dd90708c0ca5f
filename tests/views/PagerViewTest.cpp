#include "ViewHarness.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace kx;

// The pager shows the buttons asked for and answers with the one pressed, by
// the mouse or by keys sent wherever the focus is; its close command refuses.
class PagerViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

private slots:
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    void pagerAnswersWithTheButtonPressed()
    {
        // Closing through the window system (press 0) is a refusal, never a hang.
        // The focus starts on the first answer; Enter and Space press the one that has it.
        const struct { bool twoButtons; int press; QList<Qt::Key> keys; int expected; } cases[] = {
            {false, 1, {}, 1}, {true, 2, {}, 2}, {true, 3, {}, 3}, {false, 0, {}, 1}, {true, 0, {}, 3},
            {false, -1, {Qt::Key_Return}, 1}, {false, -1, {Qt::Key_Escape}, 1},
            {true, -1, {Qt::Key_Enter}, 2}, {true, -1, {Qt::Key_Escape}, 3},
            {true, -1, {Qt::Key_Tab, Qt::Key_Return}, 3}, {true, -1, {Qt::Key_Tab, Qt::Key_Space}, 3}};
        for (const auto& c : cases) {
            h.newGame();
            bool buttonsRight = false;
            h.choosePager = [&](PagerView& pager, bool asks) {
                if (!c.keys.isEmpty() && !pager.isAncestorOf(QApplication::focusWidget()))
                    return -1; // keys go where the focus is: once the message has it
                buttonsRight = pager.button(1)->isVisible() != c.twoButtons && asks == c.twoButtons &&
                               pager.button(3)->isVisible() == c.twoButtons;
                if (c.twoButtons)
                    pager.grab().save(h.shotPath("pager-window.png"));
                for (const Qt::Key key : c.keys)
                    QTest::keyClick(QApplication::focusWidget(), key);
                return c.press;
            };
            const int answer = h.game->ShowPager("Would you like to start a new game?", c.twoButtons);
            QVERIFY2(buttonsRight, qPrintable(QString::number(c.press)));
            QCOMPARE(answer, c.expected);
        }
    }
};

QObject* makeViewTest() { return new PagerViewTest; }

#include "PagerViewTest.moc"
