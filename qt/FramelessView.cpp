#include "FramelessView.h"

#include "Look.h"
#include "QtImage.h"
#include "TextCodec.h"
#include "Widgets.h"
#include "core/Window.h"

#include <QCloseEvent>
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
    strip->onPress = [this, mouseDown = std::move(mouseDown)](QPoint at) {
        notePress(at);
        handle(mouseDown);
    };
}

void FramelessView::addMark(const QString& mark, const Rect& twips, std::function<void()> click)
{
    auto* area = new ClickArea(mark, this);
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

void FramelessView::sync(QLabel* widget, const Label& label)
{
    const QString text = toQString(label.Caption);
    if (widget->text() != text)
        widget->setText(text);
}

void FramelessView::sync(QPushButton* widget, const Button& button)
{
    const QString text = toQString(button.Caption);
    if (widget->text() != text)
        widget->setText(text);
    if (widget->isEnabled() != button.Enabled)
        widget->setEnabled(button.Enabled);
    if (widget->isVisibleTo(widget->parentWidget()) != button.Visible)
        widget->setVisible(button.Visible);
}

void FramelessView::sync()
{
    syncSkin();
    refresh();
}

void FramelessView::syncSkin()
{
    if (!window_ || window_->Picture == picture_)
        return;
    picture_ = window_->Picture;
    background_ = pixmapOf(picture_);
    const auto colourUnder = [this](const QRect& area) {
        return look::isLightUnder(background_, area) ? look::kTextOnLight : look::kText;
    };
    // Each control is polished afresh under the tone of the picture.
    setProperty("tone", look::isLightUnder(background_, rect()) ? "light" : "dark");
    for (QWidget* control : findChildren<QWidget*>()) {
        style()->unpolish(control);
        style()->polish(control);
    }
    for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        label->setStyleSheet(QString("color: %1;").arg(colourUnder(label->geometry()).name()));
    titleColour_ = colourUnder(look::pixels(titleStrip_));
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

void FramelessView::resizeEvent(QResizeEvent*)
{
    // The mask only decides where clicks land; the painted outline is smooth.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(outlineRect()), cornerSize() / 2.0, cornerSize() / 2.0);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
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
