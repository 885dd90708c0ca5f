#pragma once

#include "FramelessView.h"
#include "Widgets.h"

#include <array>

namespace kx {

class frmPager;

// The pager: the message strip and its buttons.
class PagerView final : public FramelessView {
public:
    PagerView(Game& game, frmPager& window);
    void refresh() override;

    StripWidget* strip() const { return strip_; }
    // 1 "Okay", 2 "Yes", 3 "No".
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    void closeRequested() override;
    void showEvent(QShowEvent*) override;

private:
    frmPager* pager() const;

    std::array<QPushButton*, 3> buttons_{};
    StripWidget* strip_ = nullptr;
    StripTicker ticker_;
};

} // namespace kx
