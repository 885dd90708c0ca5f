#pragma once

#include "FormView.h"
#include "economy/frmShop.h"

#include <QIcon>

#include <array>
#include <map>

class QListWidget;

namespace kx {

// The shop: the offers and the player's items as pictures with their names,
// a panel under each list, the two side pictures.
class ShopView final : public FormView<frmShop> {
public:
    ShopView(Game& game, frmShop& window);
    void refresh() override;

    // 1 the shop's offers, 2 the player's items.
    QListWidget* list(int number) const { return lists_[number - 1]; }
    // 1 "Buy Item", 2 "Sell Item".
    QPushButton* button(int number) const { return buttons_[number - 1]; }
    // 1 beside the offers, 2 beside the player's items.
    QLabel* sidePicture(int number) const { return pictures_[number - 1]; }

protected:
    bool closesOnEscape() const override { return true; }

private:
    QListWidget* buildList(const ListView& model, void (frmShop::*click)(int));
    void syncList(QListWidget* list, const ListView& model);
    void syncPicture(int number, const PictureBox& box);
    // The item picture of the shop's image list; none when its file is missing.
    const QIcon& itemIcon(int picture);

    std::array<QPushButton*, 2> buttons_{};
    std::array<QListWidget*, 2> lists_{};
    std::array<QLabel*, 2> pictures_{};
    std::array<Image, 2> pictureShown_;
    std::map<int, QIcon> icons_;
    bool syncingLists_ = false;
};

} // namespace kx
