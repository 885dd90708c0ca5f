#include "FramelessView.h"

#include "Look.h"
#include "QtImage.h"
#include "TextCodec.h"
#include "Widgets.h"
#include "core/Window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

namespace kx {

FramelessView::FramelessView(Game& game, Window& window)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), game_(game), window_(&window)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(toQString(window.Caption()));
    setFont(look::uiFont());
    setProperty("tone", "dark");
    setStyleSheet(look::styleSheet());
    const QRect frame = look::pixels(window.Frame());
    setFixedSize(frame.size());
}

void FramelessView::detach()
{
    window_ = nullptr;
    if (dragging_)
        releaseMouse();
    dragging_ = false;
    hide();
    emit unloaded();
}

void FramelessView::beginDrag()
{
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    // No window manager to move it: follow the mouse by hand.
    dragging_ = true;
    // Measured from the press: the mouse may have moved on before this runs.
    dragOffset_ = pressedAt_ - pos();
    grabMouse();
}

void FramelessView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        move(event->globalPosition().toPoint() - dragOffset_);
}

void FramelessView::mouseReleaseEvent(QMouseEvent*)
{
    if (!dragging_)
        return;
    dragging_ = false;
    releaseMouse();
}

void FramelessView::addTitleStrip(const Rect& twips, std::function<void()> mouseDown)
{
    titleStrip_ = twips;
    auto* strip = new ClickArea({}, this);
    strip->setGeometry(look::pixels(twips));
    strip->setAccessibleName("Title strip: drag to move the window");
    strip->onPress = [this, mouseDown = std::move(mouseDown)](QPoint at) {
        notePress(at);
        handle(mouseDown);
    };
}

void FramelessView::addMark(const QString& mark, const Rect& twips, std::function<void()> click)
{
    auto* area = new ClickArea(mark, this);
    area->setAccessibleName(mark == "x" ? "Close" : "Minimise");
    marks_.push_back(area);
    area->setGeometry(look::pixels(twips));
    area->onClick = [this, click = std::move(click)] { handle(click); };
}

QLabel* FramelessView::makeLabel(const Label& label)
{
    auto* widget = new QLabel(toQString(label.Caption), this);
    widget->setGeometry(look::pixels(label.rect));
    return widget;
}

QPushButton* FramelessView::makeButton(const Button& button, std::function<void()> click)
{
    auto* widget = new QPushButton(toQString(button.Caption), this);
    widget->setGeometry(look::pixels(button.rect));
    widget->setFocusPolicy(Qt::TabFocus);
    // Enter presses the button with the focus, as Space does.
    widget->setAutoDefault(true);
    sync(widget, button);
    if (click)
        connect(widget, &QPushButton::clicked, this, [this, click = std::move(click)] { handle(click); });
    return widget;
}

bool FramelessView::captionChanged(const QWidget* widget, const std::string& caption)
{
    // Compared as bytes: decoding every caption at every tick of a strip cost more than the rest.
    auto [shown, added] = captions_.try_emplace(widget, caption);
    if (!added && shown->second == caption)
        return false;
    shown->second = caption;
    return true;
}

void FramelessView::sync(QLabel* widget, const Label& label)
{
    if (captionChanged(widget, label.Caption))
        widget->setText(toQString(label.Caption));
}

void FramelessView::sync(QPushButton* widget, const Button& button)
{
    if (captionChanged(widget, button.Caption))
        widget->setText(toQString(button.Caption));
    if (widget->isEnabled() != button.Enabled)
        widget->setEnabled(button.Enabled);
    if (widget->isVisibleTo(widget->parentWidget()) != button.Visible)
        widget->setVisible(button.Visible);
}

void FramelessView::sync()
{
    syncSkin();
    syncMask();
    if (window_) {
        // A window may change its title, as the ledger does when the game ends.
        if (const QString title = toQString(window_->Caption()); title != windowTitle()) {
            setWindowTitle(title);
            update();
        }
        for (const auto& syncing : bindings_)
            syncing();
    }
    refresh();
}

namespace {

// Gives `control` a tone property; whether it must be polished afresh to show it.
bool setTone(QWidget& control, const char* property, bool light)
{
    const char* tone = light ? "light" : "dark";
    if (control.property(property).toString() == QLatin1String(tone))
        return false;
    control.setProperty(property, tone);
    return control.testAttribute(Qt::WA_WState_Polished);
}

void polishAfresh(QWidget& control)
{
    control.style()->unpolish(&control);
    control.style()->polish(&control);
}

} // namespace

void FramelessView::syncSkin()
{
    if (!window_ || window_->Picture == picture_)
        return;
    picture_ = window_->Picture;
    background_ = pixmapOf(picture_);
    const QImage image = background_.toImage().convertToFormat(QImage::Format_RGB32);
    const auto lightUnder = [&image](const QRect& area) { return look::isLightUnder(image, area); };
    // Polishing is what takes the time in showing a window: only the controls
    // already polished under another tone are polished again.
    if (setTone(*this, "tone", lightUnder(rect())))
        for (QWidget* control : findChildren<QWidget*>())
            polishAfresh(*control);
    for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (setTone(*label, "under", lightUnder(label->geometry())))
            polishAfresh(*label);
    titleColour_ = lightUnder(look::pixels(titleStrip_)) ? look::kTextOnLight : look::kText;
    for (ClickArea* mark : marks_)
        mark->setMarkDrawn(background_.isNull());
    update();
}

void FramelessView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    const QRectF box = QRectF(outlineRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    outline.addRoundedRect(box, cornerSize() / 2.0, cornerSize() / 2.0);
    const QRect strip = look::pixels(titleStrip_);
    if (!background_.isNull()) {
        // The skin draws the strip, the marks and the frame; the title is the window's.
        painter.setClipPath(outline);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), background_);
        painter.setPen(titleColour_);
        painter.drawText(strip.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
        return;
    }
    painter.fillPath(outline, look::kWindow);
    painter.fillRect(strip, look::kTitle);
    painter.setPen(look::kText);
    painter.drawText(strip.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
    painter.setPen(QPen(look::kOutline, 1));
    painter.drawPath(outline);
}

void FramelessView::resizeEvent(QResizeEvent*) { syncMask(); }

void FramelessView::syncMask()
{
    // The mask only decides where clicks land; the painted outline is smooth.
    if (outlineRect() == maskedOutline_ && cornerSize() == maskedCorner_)
        return;
    maskedOutline_ = outlineRect();
    maskedCorner_ = cornerSize();
    QPainterPath outline;
    outline.addRoundedRect(QRectF(maskedOutline_), maskedCorner_ / 2.0, maskedCorner_ / 2.0);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void FramelessView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && closesOnEscape() && window_)
        closeRequested();
    else
        QWidget::keyPressEvent(event);
}

void FramelessView::changeEvent(QEvent* event)
{
    // Coming back to the front, the window takes its skin's picture afresh.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        handle([this] { window_->Form_Activate(); });
    QWidget::changeEvent(event);
}

void FramelessView::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (window_)
        closeRequested();
}

} // namespace kx
