#pragma once

#include "FormView.h"
#include "Widgets.h"
#include "terminal/frmTerminal.h"

#include <array>

class QLineEdit;
class QScrollBar;

namespace kx {

// The terminal's 17 screen rows: green text on black, red when selected.
class TermRows : public QWidget {
public:
    explicit TermRows(QWidget* parent);
    // Rows in the widget's own coordinates; repaints only what changed.
    void setRows(const std::vector<QRect>& places, const std::vector<QString>& texts,
                 const std::vector<bool>& selected);
    QString rowText(int index) const { return texts_.at(index); }
    bool rowSelected(int index) const { return selected_.at(index); }
    // The whole transcript, a line each, and the line the top row shows: a
    // screen reader reads it all and hears of the lines that come.
    void setTranscript(const QStringList& lines);
    void setTop(int top) { top_ = top; }
    QString transcript() const { return transcript_.join('\n'); }
    // Where the selected rows lie in the transcript's text: start and end of each.
    std::vector<std::pair<int, int>> selectedRanges() const;

    std::function<void(int index, int button, int shift, double x, double y)> onMouseDown;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<QRect> places_;
    std::vector<QString> texts_;
    std::vector<bool> selected_;
    QStringList transcript_;
    int top_ = 0;
};

// The terminal window.
class TerminalView final : public FormView<frmTerminal> {
public:
    TerminalView(Game& game, frmTerminal& window);
    void refresh() override;

    TermRows* rows() const { return rows_; }
    QLineEdit* input() const { return input_; }
    QScrollBar* scrollBar() const { return scroll_; }
    // 1 "Copy Text", 2 "Reconnect", 3 "Disconnect".
    QPushButton* button(int number) const { return buttons_[number - 1]; }

protected:
    void showEvent(QShowEvent*) override;
    void changeEvent(QEvent* event) override;
    // The input line passes the keys of history, paging and completion to the
    // engine; the rows take the wheel.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TermRows* rows_ = nullptr;
    QLineEdit* input_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    std::array<QPushButton*, 3> buttons_{};
    // Hands the rows the transcript when lines came or went, and the top row's line.
    void syncTranscript(int top);

    bool syncing_ = false;
    int transcriptCount_ = -1;
    std::string lastLine_;
    int wheelTurn_ = 0; // eighths of a degree not yet a whole notch
};

} // namespace kx
