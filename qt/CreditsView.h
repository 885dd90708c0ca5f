#pragma once

#include "FormView.h"
#include "shell/frmCredits.h"

class QPlainTextEdit;

namespace kx {

// The credits: the text typing itself out inside a drawn frame, and "Continue".
class CreditsView final : public FormView<frmCredits> {
public:
    CreditsView(Game& game, frmCredits& window);
    void refresh() override;

    QPlainTextEdit* text() const { return text_; }
    QPushButton* continueButton() const { return continue_; }

protected:
    bool closesOnEscape() const override { return true; }

private:
    QPlainTextEdit* text_ = nullptr;
    QPushButton* continue_ = nullptr;
    std::string shown_; // the engine text the box holds
};

} // namespace kx
