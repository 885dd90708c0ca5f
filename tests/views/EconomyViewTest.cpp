#include "ViewHarness.h"

#include "economy/frmFinance.h"
#include "economy/frmShop.h"
#include "qt/FinanceView.h"
#include "qt/Look.h"
#include "qt/ShopView.h"
#include "qt/TextCodec.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace kx;

// The shop, the finances window and the main window's items view show what the
// engine holds, and their clicks reach it.
class EconomyViewTest : public QObject {
    Q_OBJECT
    ViewHarness h;

    template <typename View, typename Form>
    View* viewOf() const
    {
        const Form* window = h.game->find<Form>();
        return window ? static_cast<View*>(h.platform->viewOf(*window)) : nullptr;
    }
    static QString textAt(const QWidget& view, const Label& label)
    {
        const QWidget* shown = view.childAt(look::pixels(label.rect).center());
        return qobject_cast<const QLabel*>(shown) ? static_cast<const QLabel*>(shown)->text() : "";
    }

private slots:
    void init() { h.newGame(); }
    // Every window of a game goes with it.
    void cleanup() { QVERIFY(h.reset()); }

    // Each list shows its engine list's names and selection; a click on its last
    // entry selects that in the engine, whose panel under the list names it.
    void shopListsMirrorTheEngineAndReportClicks()
    {
        GameState& s = h.game->state;
        s.Items[3] = 1, s.Items[5] = 2, s.Items[10] = 1;
        // Some assortments hold a single item; the check wants two.
        while (!h.game->find<frmShop>() || h.game->find<frmShop>()->ListView1.items.size() < 2)
            h.game->dispatch([&] { h.game->load<frmShop>(); });
        const frmShop& shop = *h.game->find<frmShop>();
        ShopView& view = *viewOf<ShopView, frmShop>();
        const struct { int list; const ListView& model; const Label& name; } cases[] = {
            {1, shop.ListView1, shop.Label2}, {2, shop.ListView2, shop.Label6}};
        for (const auto& c : cases) {
            QListWidget* list = view.list(c.list);
            QCOMPARE(list->count(), static_cast<int>(c.model.items.size()));
            for (int i = 0; i < list->count(); ++i)
                QCOMPARE(list->item(i)->text(), toQString(c.model.items[i].text));
            QCOMPARE(list->currentRow() + 1, c.model.selected);
            const int last = list->count() - 1;
            list->scrollToItem(list->item(last));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(last)).center());
            QCOMPARE(c.model.selected, last + 1);
            QCOMPARE(list->currentRow(), last);
            QCOMPARE(textAt(view, c.name), "Name:  " + list->item(last)->text());
        }
        QVERIFY(view.grab().save(h.shotPath("shop-window.png")));
    }

    // "Get Loan" of 500 in the window "Finances" opens adds it to the debt the
    // main window shows; the close mark ends the window's modal run.
    void loanTakenInTheFinancesWindowRaisesTheDebtShown()
    {
        h.game->dispatch([&] { h.game->state.Funds = 1000, h.game->state.Debt = 4000; });
        // A window manager writes the box's title in a bold, larger font beside
        // an icon and three buttons: the box leaves it the room.
        int roomLeft = -1;
        h.chooseInput = [&roomLeft](const QString& box) {
            QFont title = QApplication::font();
            title.setBold(true);
            title.setPointSizeF(title.pointSizeF() * 1.25);
            roomLeft = QApplication::activeModalWidget()->width() - QFontMetrics(title).horizontalAdvance(box) - 4 * 30;
            return box == "Loan Management" ? "500" : "";
        };
        h.choosePager = [this](PagerView&, bool) {
            if (FinanceView* finance = viewOf<FinanceView, frmFinance>())
                finance->grab().save(h.shotPath("finance-window.png"));
            return 1;
        };
        QTimer::singleShot(0, h.platform.get(), [this] {
            if (FinanceView* finance = viewOf<FinanceView, frmFinance>()) {
                QTest::mouseClick(finance->button(2), Qt::LeftButton);
                const Rect mark = h.game->find<frmFinance>()->Label4.rect;
                QTest::mouseClick(finance->childAt(look::pixels(mark).center()), Qt::LeftButton);
            }
        });
        QTest::mouseClick(h.mainView().button(3), Qt::LeftButton);
        QVERIFY(!h.game->find<frmFinance>());
        QCOMPARE(textAt(h.mainView(), h.rara()->Label12), QString("$4,500"));
        QVERIFY2(roomLeft >= 0, qPrintable(QString::number(roomLeft)));
    }

    // "Items" puts the player's items in the server list's place and "Servers" takes them away.
    void itemsButtonSwapsTheListsBackAndForth()
    {
        h.game->state.Items[4] = 3;
        RaraView& view = h.mainView();
        for (const bool items : {true, false}) {
            QTest::mouseClick(view.button(2), Qt::LeftButton);
            QCOMPARE(view.itemList()->isVisible(), items);
            QCOMPARE(view.serverList()->isVisible(), !items);
            QCOMPARE(view.button(2)->text(), QString(items ? "Servers" : "Items"));
            QCOMPARE(view.itemList()->topLevelItemCount(), 10);
            QCOMPARE(view.itemList()->topLevelItem(3)->text(1), QString("3"));
            if (items)
                QVERIFY(view.grab().save(h.shotPath("main-window-items.png")));
        }
    }
};

QObject* makeViewTest() { return new EconomyViewTest; }

#include "EconomyViewTest.moc"
