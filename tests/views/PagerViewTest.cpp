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

    void pagerAnswersWithTheButtonPressed_data()
    {
        QTest::addColumn<bool>("twoButtons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("expected");
        QTest::newRow("okay") << false << 1 << 1;
        QTest::newRow("yes") << true << 2 << 2;
        QTest::newRow("no") << true << 3 << 3;
        // Closing through the window system is a refusal, never a hang.
        QTest::newRow("closed one-button") << false << 0 << 1;
        QTest::newRow("closed two-button") << true << 0 << 3;
    }

    void pagerAnswersWithTheButtonPressed()
    {
        QFETCH(bool, twoButtons);
        QFETCH(int, press);
        QFETCH(int, expected);
        h.newGame();
        bool buttonsRight = false;
        h.choosePager = [&](PagerView& pager, bool asks) {
            buttonsRight = pager.button(1)->isVisible() != twoButtons && asks == twoButtons &&
                           pager.button(3)->isVisible() == twoButtons;
            if (twoButtons)
                pager.grab().save(h.shotPath("pager-window.png"));
            return press;
        };
        const int answer = h.game->ShowPager("Would you like to start a new game?", twoButtons);
        QVERIFY(buttonsRight);
        QCOMPARE(answer, expected);
    }
};

QObject* makeViewTest() { return new PagerViewTest; }

#include "PagerViewTest.moc"
