#pragma once

#include "FormView.h"
#include "ReportList.h"
#include "Widgets.h"
#include "core/frmRara.h"

#include <array>

namespace kx {

// The main window: status lines, the server list or the player's items, the
// strip and the buttons.
class RaraView final : public FormView<frmRara> {
public:
    RaraView(Game& game, frmRara& window);
    void refresh() override;

    ReportList* serverList() const { return list_; }
    // Null until the items first show.
    ReportList* itemList() const { return items_; }
    StripWidget* strip() const { return strip_; }
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    QRect outlineRect() const override;
    int cornerSize() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QPushButton*, 7> buttons_{};
    ReportList* list_ = nullptr;
    ReportList* items_ = nullptr;
    StripWidget* strip_ = nullptr;
    StripTicker ticker_;
};

} // namespace kx
