#include "ViewHarness.h"

#include "economy/frmPager.h"
#include "qt/PagerView.h"

#include <QPushButton>
#include <QTest>

using namespace kx;

// The pager answers with the button pressed, and its close mark refuses.
class PagerViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

private slots:
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    void pagerAnswersAndItsCloseMark_data()
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

    void pagerAnswersAndItsCloseMark()
    {
        QFETCH(bool, twoButtons);
        QFETCH(int, press);
        QFETCH(int, expected);
        h.newGame("neo");
        h.answerer->pagerAnswers = {press};
        bool visibleRight = false;
        h.answerer->onPager = [&](PagerView& pager) {
            visibleRight = pager.button(1)->isVisible() == !twoButtons &&
                           pager.button(2)->isVisible() == twoButtons &&
                           pager.button(3)->isVisible() == twoButtons &&
                           pager.windowTitle() == "Pager Message";
            if (twoButtons)
                QVERIFY(pager.grab().save(h.shotPath("pager-window.png")));
        };
        std::int16_t answer = 0;
        h.game->dispatch([&] { answer = h.game->ShowPager("Would you like to start a new game?", twoButtons); });
        QCOMPARE(int(answer), expected);
        QVERIFY(visibleRight);
        QVERIFY(!h.pager());
    }
};

QObject* makeViewTest() { return new PagerViewTest; }

#include "PagerViewTest.moc"
