#include "ViewHarness.h"

#include <QPushButton>
#include <QTest>

using namespace kx;

// The pager shows the buttons asked for and answers with the one pressed; its
// close command refuses.
class PagerViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

private slots:
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    void pagerAnswersWithTheButtonPressed()
    {
        // Closing through the window system (press 0) is a refusal, never a hang.
        const struct { bool twoButtons; int press, expected; } cases[] = {
            {false, 1, 1}, {true, 2, 2}, {true, 3, 3}, {false, 0, 1}, {true, 0, 3}};
        for (const auto& c : cases) {
            h.newGame();
            bool buttonsRight = false;
            h.choosePager = [&](PagerView& pager, bool asks) {
                buttonsRight = pager.button(1)->isVisible() != c.twoButtons && asks == c.twoButtons &&
                               pager.button(3)->isVisible() == c.twoButtons;
                if (c.twoButtons)
                    pager.grab().save(h.shotPath("pager-window.png"));
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
