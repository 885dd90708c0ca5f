#include "TerminalView.h"

#include "Look.h"
#include "TextCodec.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace kx {

TermRows::TermRows(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TermRows::setRows(const std::vector<QRect>& places, const std::vector<QString>& texts,
                       const std::vector<bool>& selected)
{
    if (places == places_ && texts == texts_ && selected == selected_)
        return;
    places_ = places;
    texts_ = texts;
    selected_ = selected;
    update();
}

void TermRows::setTranscript(const QStringList& lines)
{
    if (lines == transcript_)
        return;
    const bool added = lines.size() > transcript_.size() &&
                       std::equal(transcript_.begin(), transcript_.end(), lines.begin());
    const int start = static_cast<int>(transcript().size());
    const QStringList before = transcript_;
    transcript_ = lines;
    if (!QAccessible::isActive())
        return;
    if (added) {
        const QString text = (before.isEmpty() ? "" : "\n") + lines.mid(before.size()).join('\n');
        QAccessibleTextInsertEvent inserted(this, start, text);
        QAccessible::updateAccessibility(&inserted);
    } else {
        QAccessibleTextUpdateEvent updated(this, 0, before.join('\n'), transcript());
        QAccessible::updateAccessibility(&updated);
    }
}

std::vector<std::pair<int, int>> TermRows::selectedRanges() const
{
    std::vector<std::pair<int, int>> ranges;
    int offset = 0;
    for (int line = 0; line < transcript_.size(); ++line) {
        const int row = line - top_;
        const int length = static_cast<int>(transcript_[line].size());
        if (row >= 0 && row < static_cast<int>(selected_.size()) && selected_[static_cast<std::size_t>(row)])
            ranges.emplace_back(offset, offset + length);
        offset += length + 1;
    }
    return ranges;
}

void TermRows::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QFont font = look::terminalFont();
    painter.setFont(font);
    painter.setPen(look::kTerminalText);
    const QFontMetrics metrics(font);
    for (std::size_t i = 0; i < places_.size(); ++i)
        if (selected_[i])
            painter.fillRect(places_[i], look::kTerminalSelected);
    // Drawn from the baseline, unclipped, so nothing below it is cut off.
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const int baseline = places_[i].top() + (places_[i].height() + metrics.ascent() -
                                                  metrics.descent()) / 2;
        painter.drawText(QPoint(places_[i].left(), baseline), texts_[i]);
    }
}

void TermRows::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    for (std::size_t i = 0; i < places_.size(); ++i)
        if (places_[i].contains(at) && onMouseDown) {
            onMouseDown(static_cast<int>(i), engineButtons(event->button()),
                        engineShift(event->modifiers()), at.x() - places_[i].left(),
                        at.y() - places_[i].top());
            return;
        }
}

TerminalView::TerminalView(Game& game, frmTerminal& window) : FormView(game, window)
{
    addTitleStrip(window.Label1, &frmTerminal::Label1_MouseDown);
    addMark("_", window.Label3, &frmTerminal::Label3_Click);
    addMark("x", window.Label4, &frmTerminal::Label4_Click);

    const QRect first = look::pixels(window.Term.front().rect);
    const QRect last = look::pixels(window.Term.back().rect);
    rows_ = new TermRows(this);
    rows_->setGeometry(first.united(last));
    rows_->installEventFilter(this);
    rows_->onMouseDown = [this](int index, int button, int shift, double x, double y) {
        handle([=, this] { form()->Term_MouseDown(index, button, shift, x, y); });
    };

    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setGeometry(look::pixels(window.VScroll1.rect));
    scroll_->setPageStep(1);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        if (syncing_)
            return;
        handle([this, value] {
            form()->VScroll1.Value = value;
            form()->VScroll1_Change();
        });
    });

    input_ = new QLineEdit(this);
    input_->setGeometry(look::pixels(window.Text1.rect));
    input_->setObjectName("terminal");
    input_->setAccessibleName("Command line");
    input_->installEventFilter(this);
    connect(input_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (frmTerminal* t = form())
            t->Text1.Text = fromQString(text);
    });
    connect(input_, &QLineEdit::returnPressed, this, [this] {
        if (frmTerminal* t = form())
            t->Text1.Text = fromQString(input_->text());
        handle([this] { form()->Text1_KeyPress(13); });
    });

    buttons_ = {bind(&frmTerminal::Command4, &frmTerminal::Command4_Click),
                bind(&frmTerminal::Command1, &frmTerminal::Command1_Click),
                bind(&frmTerminal::Command3, &frmTerminal::Command3_Click)};
    refresh();
}

void TerminalView::refresh()
{
    const frmTerminal* window = form();
    if (!window)
        return;
    std::vector<QRect> places;
    std::vector<QString> texts;
    std::vector<bool> selected;
    const QPoint origin = rows_->pos();
    for (const auto& row : window->Term) {
        places.push_back(look::pixels(row.rect).translated(-origin));
        texts.push_back(toTerminalQString(row.Caption));
        selected.push_back(row.Selected);
    }
    rows_->setRows(places, texts, selected);
    syncTranscript(window->VScroll1.Value);
    syncing_ = true;
    const ScrollBar& bar = window->VScroll1;
    if (scroll_->minimum() != bar.Min || scroll_->maximum() != bar.Max)
        scroll_->setRange(bar.Min, bar.Max);
    if (scroll_->value() != bar.Value)
        scroll_->setValue(bar.Value);
    syncing_ = false;
    const QString text = toQString(window->Text1.Text);
    if (input_->text() != text)
        input_->setText(text);
}

void TerminalView::syncTranscript(int top)
{
    // Lines are only ever added at the end, or all cleared away.
    const GameState& s = game_.state;
    const int count = std::min(static_cast<int>(s.TermLineCount), static_cast<int>(s.TermLines.size()));
    const std::string last = count > 0 ? s.TermLines[static_cast<std::size_t>(count - 1)] : std::string();
    if (count != transcriptCount_ || last != lastLine_) {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << toTerminalQString(s.TermLines[static_cast<std::size_t>(i)]);
        rows_->setTranscript(lines);
        transcriptCount_ = count;
        lastLine_ = last;
    }
    rows_->setTop(top);
}

void TerminalView::showEvent(QShowEvent*) { input_->setFocus(); }

void TerminalView::changeEvent(QEvent* event)
{
    // Coming back to the window puts the cursor in the input line.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        input_->setFocus();
    FramelessView::changeEvent(event);
}

namespace {

// The engine's code of a key the input line passes on to it; 0 for others.
int engineKey(const QKeyEvent& key, bool typed)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return 0;
    switch (key.key()) {
    case Qt::Key_Up: return frmTerminal::kKeyUp;
    case Qt::Key_Down: return frmTerminal::kKeyDown;
    case Qt::Key_PageUp: return frmTerminal::kKeyPageUp;
    case Qt::Key_PageDown: return frmTerminal::kKeyPageDown;
    // On an empty line Tab goes on to the buttons, as everywhere else.
    case Qt::Key_Tab: return typed ? frmTerminal::kKeyTab : 0;
    default: return 0;
    }
}

} // namespace

bool TerminalView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == input_ && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (const int code = engineKey(key, !input_->text().isEmpty())) {
            handle([this, code] { form()->Text1_KeyDown(code); });
            return true;
        }
        // Ctrl+C copies the selected rows, as "Copy Text" does; else the line's own selection.
        const frmTerminal* window = form();
        if (key.matches(QKeySequence::Copy) && window &&
            std::ranges::any_of(window->Term, &frmTerminal::Row::Selected)) {
            handle(on(&frmTerminal::Command4_Click));
            return true;
        }
    }
    // The wheel scrolls the transcript three lines a notch, as text views do.
    if (watched == rows_ && event->type() == QEvent::Wheel) {
        wheelTurn_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        const int notches = wheelTurn_ / QWheelEvent::DefaultDeltasPerStep;
        wheelTurn_ -= notches * QWheelEvent::DefaultDeltasPerStep;
        if (notches)
            handle([this, notches] { form()->ScrollBy(-3 * notches); });
        return true;
    }
    return FormView::eventFilter(watched, event);
}

} // namespace kx
