#include "ShopView.h"

#include "Accessibility.h"
#include "Look.h"
#include "QtImage.h"
#include "TextCodec.h"
#include "Widgets.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QStyle>

namespace kx {

namespace {

constexpr int kIconSize = 32;
// The entry's picture number, kept to tell a changed entry from the same one.
constexpr int kPictureRole = Qt::UserRole;

} // namespace

ShopView::ShopView(Game& game, frmShop& window) : FormView(game, window)
{
    addTitleStrip(window.Label8, &frmShop::Label8_MouseDown);
    addMark("_", window.Label10, &frmShop::Label10_Click);
    addMark("x", window.Label9, &frmShop::Label9_Click);

    for (Label frmShop::*label : {&frmShop::Label1, &frmShop::Label2, &frmShop::Label3, &frmShop::Label4,
                                  &frmShop::Label5, &frmShop::Label6, &frmShop::Label7}) {
        QLabel* line = bind(label);
        // The name lines are two high: a long name goes on below.
        if (label == &frmShop::Label2 || label == &frmShop::Label6) {
            line->setWordWrap(true);
            line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    }
    buttons_ = {bind(&frmShop::Command1, &frmShop::Command1_Click),
                bind(&frmShop::Command2, &frmShop::Command2_Click)};
    lists_ = {buildList(window.ListView1, &frmShop::ListView1_ItemClick),
              buildList(window.ListView2, &frmShop::ListView2_ItemClick)};
    lists_[0]->setAccessibleName("For sale");
    lists_[1]->setAccessibleName("Your items");
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i] = new QLabel(this);
        pictures_[i]->setScaledContents(true);
        LeaveUnspoken(*pictures_[i]); // pictures only
    }
    pictures_[0]->setGeometry(look::pixels(window.Picture1.rect));
    pictures_[1]->setGeometry(look::pixels(window.Picture2.rect));
    refresh();
}

QListWidget* ShopView::buildList(const ListView& model, void (frmShop::*click)(int))
{
    auto* list = new QListWidget(this);
    list->setGeometry(look::pixels(model.rect));
    list->setViewMode(QListView::IconMode);
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setIconSize({kIconSize, kIconSize});
    list->setWordWrap(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Two entries to a row, each with room for a name of three lines under its
    // picture; a scroll bar coming up leaves them two.
    list->ensurePolished();
    const int inner = list->width() - 2 * list->frameWidth() -
                      list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->setGridSize({inner / 2, kIconSize + 4 + 3 * list->fontMetrics().lineSpacing()});
    reportPicks(list, syncingLists_, [this, click](int row) {
        handle([this, click, row] { (form()->*click)(row); });
    });
    return list;
}

const QIcon& ShopView::itemIcon(int picture)
{
    const auto known = icons_.find(picture);
    if (known != icons_.end())
        return known->second;
    const QString file = QFile::decodeName(game_.platform().programFolder().c_str()) +
                         QString::asprintf("/items/item%02d.png", picture);
    const QPixmap pixmap(file);
    return icons_[picture] = pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

void ShopView::syncList(QListWidget* list, const ListView& model)
{
    bool same = list->count() == static_cast<int>(model.items.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == toQString(model.items[i].text) &&
               list->item(i)->data(kPictureRole).toInt() == model.items[i].Icon;
    if (!same) {
        list->clear();
        for (const auto& entry : model.items) {
            auto* row = new QListWidgetItem(itemIcon(entry.Icon), toQString(entry.text), list);
            row->setData(kPictureRole, entry.Icon);
            row->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
    }
    showSelected(list, model.selected);
}

void ShopView::syncPicture(int number, const PictureBox& box)
{
    Image& shown = pictureShown_[number - 1];
    if (shown == box.Picture)
        return;
    shown = box.Picture;
    pictures_[number - 1]->setPixmap(pixmapOf(shown));
}

void ShopView::refresh()
{
    const frmShop* window = form();
    if (!window)
        return;
    syncingLists_ = true;
    syncList(lists_[0], window->ListView1);
    syncList(lists_[1], window->ListView2);
    syncingLists_ = false;
    syncPicture(1, window->Picture1);
    syncPicture(2, window->Picture2);
}

} // namespace kx
