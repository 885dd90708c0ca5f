#pragma once

#include "FormView.h"
#include "ReportList.h"
#include "records/frmMessages.h"

#include <array>

class QPlainTextEdit;

namespace kx {

// The message log: the list of messages, the chosen one whole, two buttons.
class MessagesView final : public FormView<frmMessages> {
public:
    MessagesView(Game& game, frmMessages& window);
    void refresh() override;

    ReportList* list() const { return list_; }
    QPlainTextEdit* text() const { return text_; }
    // 1 "Copy Text", 2 "Close".
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    bool closesOnEscape() const override { return true; }

private:
    ReportList* list_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    std::array<QPushButton*, 2> buttons_{};
};

} // namespace kx
