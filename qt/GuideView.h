#pragma once

#include "FormView.h"
#include "ReportList.h"
#include "shell/frmGuide.h"

namespace kx {

// The guide: a heading, the steps with their ticks, how to do the chosen one, "Close".
class GuideView final : public FormView<frmGuide> {
public:
    GuideView(Game& game, frmGuide& window);
    void refresh() override;

    ReportList* steps() const { return steps_; }
    QLabel* how() const { return how_; }
    QPushButton* closeButton() const { return close_; }

protected:
    bool closesOnEscape() const override { return true; }

private:
    ReportList* steps_ = nullptr;
    QLabel* how_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace kx
