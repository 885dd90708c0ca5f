#pragma once

#include "FormView.h"
#include "Widgets.h"
#include "economy/frmPager.h"

#include <array>

namespace kx {

// The pager: the message strip and its buttons.
class PagerView final : public FormView<frmPager> {
public:
    PagerView(Game& game, frmPager& window);
    void refresh() override;

    StripWidget* strip() const { return strip_; }
    bool isMessage() const override { return true; }
    QString message() const override;
    // 1 "Okay", 2 "Yes", 3 "No".
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    void showEvent(QShowEvent*) override;
    // Escape answers "No", or "Okay" when that is the only answer.  Enter
    // presses the button with the focus, which starts on "Okay" or "Yes".
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QPushButton*, 3> buttons_{};
    StripWidget* strip_ = nullptr;
    StripTicker ticker_;
};

} // namespace kx
