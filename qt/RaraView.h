#pragma once

#include "FormView.h"
#include "Widgets.h"
#include "core/frmRara.h"

#include <array>

class QTreeWidget;

namespace kx {

// The main window: status lines, the server list or the player's items, the
// strip and the buttons.
class RaraView final : public FormView<frmRara> {
public:
    RaraView(Game& game, frmRara& window);
    void refresh() override;

    QTreeWidget* serverList() const { return list_; }
    // Null until the items first show.
    QTreeWidget* itemList() const { return items_; }
    StripWidget* strip() const { return strip_; }
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    QRect outlineRect() const override;
    int cornerSize() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* buildList(const ListView& model);
    // `shown` is what the list shows, as the engine held it when it last changed.
    void syncList(QTreeWidget* list, const ListView& model, ListView& shown);

    std::array<QPushButton*, 7> buttons_{};
    QTreeWidget* list_ = nullptr;
    QTreeWidget* items_ = nullptr;
    std::array<ListView, 2> shownLists_{};
    StripWidget* strip_ = nullptr;
    StripTicker ticker_;
    bool syncingList_ = false;
};

} // namespace kx
