#include "ScorelistView.h"

#include "Look.h"
#include "TextCodec.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace kx {

ScorelistView::ScorelistView(Game& game, frmScorelist& window) : FormView(game, window)
{
    addTitleStrip(window.Label2, &frmScorelist::Label2_MouseDown);
    addMark("_", window.Label3, &frmScorelist::Label3_Click);
    addMark("x", window.Label4, &frmScorelist::Label4_Click);
    bind(&frmScorelist::Label1)->setAlignment(Qt::AlignCenter);
    list_ = new QTreeWidget(this);
    list_->setGeometry(look::pixels(window.ListView1.rect));
    list_->setRootIsDecorated(false);
    list_->setAccessibleName("Top ten");
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->header()->setSectionsMovable(false);
    buttons_ = {bind(&frmScorelist::Command1, &frmScorelist::Command1_Click),
                bind(&frmScorelist::Command2, &frmScorelist::Command2_Click)};
    // Enter closes the list; clearing it takes a deliberate Tab first.
    buttons_[1]->setFocus();
    refresh();
}

void ScorelistView::refresh()
{
    const frmScorelist* window = form();
    if (!window)
        return;
    const ListView& model = window->ListView1;
    if (list_->columnCount() != static_cast<int>(model.columns.size())) {
        QStringList headers;
        for (const auto& column : model.columns)
            headers << toQString(column.text);
        list_->setHeaderLabels(headers);
        for (int c = 0; c < static_cast<int>(model.columns.size()); ++c)
            list_->setColumnWidth(c, static_cast<int>(list_->width() * model.columns[c].widthShare));
    }
    QList<QTreeWidgetItem*> rows;
    for (const auto& item : model.items)
        rows << new QTreeWidgetItem(QStringList{toQString(item.text), toQString(item.subItems.at(0).text)});
    // The list changes only when it is cleared: rebuilding it then is cheap.
    bool same = list_->topLevelItemCount() == rows.size();
    for (int i = 0; same && i < rows.size(); ++i)
        same = list_->topLevelItem(i)->text(0) == rows[i]->text(0) &&
               list_->topLevelItem(i)->text(1) == rows[i]->text(1);
    if (same) {
        qDeleteAll(rows);
        return;
    }
    list_->clear();
    list_->addTopLevelItems(rows);
}

} // namespace kx
