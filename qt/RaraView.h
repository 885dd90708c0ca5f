#pragma once

#include "FramelessView.h"
#include "Widgets.h"

#include <array>

class QTreeWidget;

namespace kx {

class frmRara;

// The main window: status lines, the server list, the strip and the buttons.
class RaraView final : public FramelessView {
public:
    RaraView(Game& game, frmRara& window);
    void refresh() override;

    QTreeWidget* serverList() const { return list_; }
    StripWidget* strip() const { return strip_; }
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    void closeRequested() override;
    QRect outlineRect() const override;
    int cornerSize() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmRara* rara() const;
    void buildList(const frmRara& window);
    void syncList(const frmRara& window);

    std::array<QLabel*, 11> labels_{};
    std::array<QPushButton*, 7> buttons_{};
    QTreeWidget* list_ = nullptr;
    StripWidget* strip_ = nullptr;
    StripTicker ticker_;
    bool syncingList_ = false;
};

} // namespace kx
