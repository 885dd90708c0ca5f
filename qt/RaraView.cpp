#include "RaraView.h"

#include "Look.h"
#include "TextCodec.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace kx {

namespace {

// The labels in the order labels_ keeps them.
std::array<const Label*, 11> labelsOf(const frmRara& w)
{
    return {&w.Label5, &w.Label6, &w.Label7, &w.Label8, &w.Label13, &w.Label9,
            &w.Label11, &w.Label10, &w.Label12, &w.Label14, &w.Label2};
}

std::array<const Button*, 7> buttonsOf(const frmRara& w)
{
    return {&w.Command1, &w.Command2, &w.Command3, &w.Command4,
            &w.Command5, &w.Command6, &w.Command7};
}

} // namespace

RaraView::RaraView(Game& game, frmRara& window) : FormView(game, window), ticker_(this)
{
    addTitleStrip(window.Label1, &frmRara::Label1_MouseDown);
    addMark("_", window.Label3, &frmRara::Label3_Click);
    addMark("x", window.Label4, &frmRara::Label4_Click);

    const auto labels = labelsOf(window);
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels_[i] = makeLabel(*labels[i]);
    // The list's caption sits only eight pixels above it: lift it clear of the list.
    labels_[10]->move(labels_[10]->pos() - QPoint(0, 5));
    // Items, Finances, Save, Load and Other lead to windows that are still to come.
    buttons_ = {addButton(window.Command1, &frmRara::Command1_Click), addButton(window.Command2),
                addButton(window.Command3), addButton(window.Command4), addButton(window.Command5),
                addButton(window.Command6, &frmRara::Command6_Click), addButton(window.Command7)};

    buildList(window);
    strip_ = new StripWidget(FontRole::StatusStrip, this);
    strip_->setGeometry(look::pixels(window.Picture1.rect));
    strip_->onClick = [this] { handle(on(&frmRara::Picture1_Click)); };
    strip_->onDoubleClick = [this] { handle(on(&frmRara::Picture1_DblClick)); };
    strip_->onMouseMove = [this](int button, int shift, double x, double y) {
        handle([=, this] { form()->Picture1_MouseMove(button, shift, x, y); });
    };
    ticker_.onTick = [this] { handle(on(&frmRara::Timer1_Timer)); };
    refresh();
}

void RaraView::buildList(const frmRara& window)
{
    list_ = new QTreeWidget(this);
    list_->setGeometry(look::pixels(window.ListView1.rect));
    list_->setRootIsDecorated(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->header()->setFont(look::uiFont());
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setSectionsMovable(false);
    list_->viewport()->installEventFilter(this);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!syncingList_ && item)
            handle([this, row = list_->indexOfTopLevelItem(item) + 1] {
                form()->ListView1_ItemClick(row);
            });
    });
    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        handle([this, row = list_->indexOfTopLevelItem(item) + 1] {
            form()->ListView1_ItemClick(row);
        });
    });
}

bool RaraView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        handle(on(&frmRara::ListView1_DblClick));
        return true;
    }
    return FramelessView::eventFilter(watched, event);
}

void RaraView::syncList(const frmRara& window)
{
    syncingList_ = true;
    const ListView& model = window.ListView1;
    QStringList headers;
    for (const auto& column : model.columns)
        headers << toQString(column.text);
    if (list_->columnCount() != headers.size() || list_->headerItem()->text(0) != headers.value(0)) {
        list_->setHeaderLabels(headers);
        const int width = list_->width();
        for (int c = 0; c < static_cast<int>(model.columns.size()); ++c)
            list_->setColumnWidth(c, static_cast<int>(width * model.columns[c].widthShare));
    }
    bool same = list_->topLevelItemCount() == static_cast<int>(model.items.size());
    for (int i = 0; same && i < list_->topLevelItemCount(); ++i)
        same = list_->topLevelItem(i)->text(0) == toQString(model.items[i].text) &&
               list_->topLevelItem(i)->text(1) == toQString(model.items[i].subItems[0].text) &&
               list_->topLevelItem(i)->text(2) == toQString(model.items[i].subItems[1].text);
    if (!same) {
        list_->clear();
        QList<QTreeWidgetItem*> rows;
        for (const auto& item : model.items) {
            QStringList cells{toQString(item.text)};
            for (const auto& sub : item.subItems)
                cells << toQString(sub.text);
            rows << new QTreeWidgetItem(cells);
        }
        list_->addTopLevelItems(rows);
    }
    QTreeWidgetItem* selected =
        model.selected >= 1 ? list_->topLevelItem(model.selected - 1) : nullptr;
    if (list_->currentItem() != selected) {
        list_->setCurrentItem(selected);
        if (selected)
            list_->scrollToItem(selected);
    }
    syncingList_ = false;
}

void RaraView::refresh()
{
    const frmRara* window = form();
    if (!window)
        return;
    const auto labels = labelsOf(*window);
    for (std::size_t i = 0; i < labels.size(); ++i)
        sync(labels_[i], *labels[i]);
    const auto buttons = buttonsOf(*window);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        sync(buttons_[i], *buttons[i]);
    syncList(*window);
    strip_->setPrinted(window->Picture1.printed);
    ticker_.setRunning(window->Timer1.Enabled);
}

QRect RaraView::outlineRect() const
{
    if (const frmRara* window = form()) {
        const RoundRect& r = window->Region;
        if (r.right > r.left && r.bottom > r.top)
            return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    return rect();
}

int RaraView::cornerSize() const
{
    const frmRara* window = form();
    return window ? window->Region.ellipseWidth : 6;
}

} // namespace kx
