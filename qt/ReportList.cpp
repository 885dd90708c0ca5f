#include "ReportList.h"

#include "Look.h"
#include "TextCodec.h"
#include "Widgets.h"

#include <QHeaderView>

namespace kx {

namespace {

QStringList cellsOf(const ListView::Item& item)
{
    QStringList cells{toQString(item.text)};
    for (const auto& sub : item.subItems)
        cells << toQString(sub.text);
    return cells;
}

} // namespace

ReportList::ReportList(const ListView& model, QWidget* parent) : QTreeWidget(parent)
{
    setGeometry(look::pixels(model.rect));
    setRootIsDecorated(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setFont(look::uiFont());
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setSectionsMovable(false);
}

void ReportList::reportPicks(std::function<void(int row)> pick) { kx::reportPicks(this, syncing_, std::move(pick)); }

void ReportList::sync(const ListView& model)
{
    syncing_ = true;
    if (model.columns != shown_.columns) {
        QStringList headers;
        for (const auto& column : model.columns)
            headers << toQString(column.text);
        setHeaderLabels(headers);
        for (int c = 0; c < static_cast<int>(model.columns.size()); ++c)
            setColumnWidth(c, static_cast<int>(width() * model.columns[c].widthShare));
        shown_.columns = model.columns;
    }
    if (model.items != shown_.items) {
        clear();
        QList<QTreeWidgetItem*> rows;
        for (const auto& item : model.items) {
            rows << new QTreeWidgetItem(cellsOf(item));
            for (int c = 0; tipped_ && c < rows.back()->columnCount(); ++c)
                rows.back()->setToolTip(c, rows.back()->text(c));
        }
        addTopLevelItems(rows);
        shown_.items = model.items;
    }
    showSelected(this, model.selected);
    if (isVisibleTo(parentWidget()) != model.Visible)
        setVisible(model.Visible);
    syncing_ = false;
}

} // namespace kx
