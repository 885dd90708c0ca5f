#pragma once

#include "FormView.h"
#include "ReportList.h"
#include "storage/frmScorelist.h"

#include <array>

namespace kx {

// The top ten: a heading, the list of aliases and scores, two buttons.
class ScorelistView final : public FormView<frmScorelist> {
public:
    ScorelistView(Game& game, frmScorelist& window);
    void refresh() override;

    ReportList* list() const { return list_; }
    // 1 "Clear List", 2 "Close".
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    bool closesOnEscape() const override { return true; }

private:
    ReportList* list_ = nullptr;
    std::array<QPushButton*, 2> buttons_{};
};

} // namespace kx
