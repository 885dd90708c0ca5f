#include "CreditsView.h"

#include "Look.h"
#include "TextCodec.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace kx {

CreditsView::CreditsView(Game& game, frmCredits& window) : FormView(game, window)
{
    for (const Line& line : window.Lines) {
        // A line is a one-pixel strip from its start to its end.
        auto* drawn = new QWidget(this);
        const QRect from = look::pixels({line.x1, line.y1, 0, 0});
        const QRect to = look::pixels({line.x2, line.y2, 0, 0});
        drawn->setGeometry(QRect(from.topLeft(), to.topLeft()).normalized().adjusted(0, 0, 1, 1));
        drawn->setStyleSheet(QString("background: %1;").arg(look::kOutline.name()));
    }
    text_ = new QPlainTextEdit(this);
    text_->setGeometry(look::pixels(window.Text1.rect));
    text_->setReadOnly(true);
    text_->setObjectName("terminal");
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setStyleSheet(QString("QPlainTextEdit { color: %1; background: #000000; border: 0px; }")
                             .arg(look::kTerminalText.name()));
    continue_ = bind(&frmCredits::Command1, &frmCredits::Command1_Click);
    refresh();
}

void CreditsView::refresh()
{
    const frmCredits* window = form();
    if (!window)
        return;
    const std::string& text = window->Text1.Text;
    if (text == shown_)
        return;
    // The reveal adds a character at a time: only what is new is laid out.
    const bool grows = text.starts_with(shown_);
    std::string added = grows ? text.substr(shown_.size()) : text;
    shown_ = text;
    std::erase(added, '\r'); // a CR LF pair is one line break on the screen
    if (!grows)
        text_->clear();
    // The caret after the last character keeps the newest line in view.
    text_->moveCursor(QTextCursor::End);
    text_->insertPlainText(toQString(added));
    text_->ensureCursorVisible();
}

} // namespace kx
