#include "Widgets.h"

#include "Look.h"
#include "QtImage.h"
#include "TextCodec.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kx {

int engineButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int engineShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

void reportPicks(QAbstractItemView* list, const bool& syncing, std::function<void(int row)> pick)
{
    // Keys move the current row without a click, and a click on the current row
    // moves nothing: both report.  A click that moves the row reports it twice,
    // which an ItemClick handler takes as once.
    QObject::connect(list->selectionModel(), &QItemSelectionModel::currentChanged, list,
                     [&syncing, pick](const QModelIndex& current) {
                         if (!syncing && current.isValid())
                             pick(current.row() + 1);
                     });
    QObject::connect(list, &QAbstractItemView::clicked, list,
                     [pick](const QModelIndex& index) { pick(index.row() + 1); });
}

void showSelected(QAbstractItemView* list, int selected)
{
    // Asked at every tick of a strip: the shown row is checked before the model is.
    if (const QModelIndex current = list->currentIndex(); current.isValid() && current.row() == selected - 1)
        return;
    const QModelIndex row = selected >= 1 ? list->model()->index(selected - 1, 0) : QModelIndex();
    if (list->currentIndex() == row)
        return;
    list->setCurrentIndex(row);
    if (row.isValid())
        list->scrollTo(row);
}

StripWidget::StripWidget(FontRole font, QWidget* parent)
    : QWidget(parent), font_(font), textColour_(look::kStripText)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StripWidget::setPrinted(const std::vector<PictureBox::Printed>& printed)
{
    if (printed == printed_)
        return;
    // Only where texts were or now are is painted again: the strip scrolls many times a second.
    QRect changed = areaOf(printed_);
    printed_ = printed;
    changed |= areaOf(printed_);
    std::erase_if(drawn_, [this](const auto& entry) {
        return std::ranges::none_of(printed_, [&](const auto& item) { return item.text == entry.first; });
    });
    update(changed);
    // A scrolling text moves at every tick; a reader hears of a new text only.
    if (!QAccessible::isActive())
        return;
    if (const QString whole = wholeText(); whole != spoken_) {
        spoken_ = whole;
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

QString StripWidget::wholeText() const
{
    QStringList texts;
    for (const auto& item : printed_)
        texts << toQString(item.text);
    return texts.join(' ');
}

const StripWidget::Drawn& StripWidget::drawn(const std::string& text)
{
    // A scrolling text moves but stays the same: it is shaped and drawn once,
    // then only moved.  One too wide to keep as a picture is drawn glyph by glyph.
    auto [entry, added] = drawn_.try_emplace(text);
    Drawn& item = entry->second;
    if (!added)
        return item;
    item.laidOut.setText(toQString(text));
    item.laidOut.setTextFormat(Qt::PlainText);
    item.laidOut.prepare(QTransform(), look::stripFont(font_));
    const QSizeF size = item.laidOut.size() + QSizeF(2 * kEdge, 0);
    const qreal ratio = devicePixelRatioF();
    if (size.width() * ratio > kWidestPicture)
        return item;
    item.picture = QPixmap((size * ratio).toSize());
    item.picture.setDevicePixelRatio(ratio);
    item.picture.fill(Qt::transparent);
    QPainter painter(&item.picture);
    painter.setPen(textColour_);
    painter.setFont(look::stripFont(font_));
    painter.drawStaticText(QPointF(kEdge, 0), item.laidOut);
    return item;
}

QRect StripWidget::areaOf(const std::vector<PictureBox::Printed>& texts)
{
    QRect area;
    for (const auto& item : texts) {
        const QRectF box(QPointF(item.x, item.y), drawn(item.text).laidOut.size());
        area |= box.toAlignedRect().adjusted(-kEdge, -kEdge, kEdge, kEdge); // antialiased edges reach past the box
    }
    return area;
}

void StripWidget::setPicture(const Image& picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    const QPixmap pixmap = pixmapOf(picture_);
    textColour_ = look::isLightUnder(pixmap.toImage(), pixmap.rect()) ? look::kStripTextOnLight : look::kStripText;
    scaled_ = QPixmap();
    drawn_.clear(); // drawn in the old colour
    update();
}

void StripWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_) {
        // Scaled once for the strip's size rather than at every tick.
        if (scaled_.size() != size())
            scaled_ = pixmapOf(picture_).scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(0, 0, scaled_);
    } else {
        painter.fillRect(rect(), look::kStrip);
    }
    painter.setPen(textColour_);
    painter.setFont(look::stripFont(font_));
    // The engine prints at the top of the text, where a laid-out text is placed.
    for (const auto& item : printed_) {
        const Drawn& text = drawn(item.text);
        if (text.picture.isNull())
            painter.drawStaticText(QPointF(item.x, item.y), text.laidOut);
        else
            painter.drawPixmap(QPointF(item.x - kEdge, item.y), text.picture);
    }
}

void StripWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool skip = afterDoubleClick_;
    afterDoubleClick_ = false;
    if (!skip && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

void StripWidget::mouseDoubleClickEvent(QMouseEvent*)
{
    // The release that ends a double click is not a click of its own.
    afterDoubleClick_ = true;
    if (onDoubleClick)
        onDoubleClick();
}

void StripWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(engineButtons(event->buttons()), engineShift(event->modifiers()),
                    event->position().x(), event->position().y());
}

ClickArea::ClickArea(const QString& mark, QWidget* parent) : QWidget(parent), mark_(mark) {}

void ClickArea::press()
{
    if (onClick)
        onClick();
    else if (onPress)
        onPress(mapToGlobal(rect().center()));
}

void ClickArea::setMarkDrawn(bool drawn)
{
    if (drawn == markDrawn_)
        return;
    markDrawn_ = drawn;
    update();
}

void ClickArea::paintEvent(QPaintEvent*)
{
    if (mark_.isEmpty() || !markDrawn_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::kText, 1.2));
    const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    if (mark_ == "_")
        painter.drawLine(box.bottomLeft(), box.bottomRight());
    else if (mark_ == "x") {
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    } else {
        painter.setFont(look::uiFont());
        painter.drawText(rect(), Qt::AlignCenter, mark_);
    }
}

void ClickArea::mousePressEvent(QMouseEvent* event)
{
    if (onPress)
        onPress(event->globalPosition().toPoint());
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

} // namespace kx

#include "core/Timing.h"

namespace kx {

StripTicker::StripTicker(QObject* owner) : pacer_(timing::kStripTickSeconds)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(static_cast<int>(timing::kStripTickSeconds * 1000));
    QObject::connect(&timer_, &QTimer::timeout, owner, [this] { fire(); });
}

void StripTicker::setRunning(bool running)
{
    if (running == timer_.isActive())
        return;
    if (running) {
        clock_.start();
        pacer_.start(0);
        timer_.start();
    } else {
        timer_.stop();
    }
}

void StripTicker::fire()
{
    for (int n = pacer_.due(clock_.nsecsElapsed() / 1e9); n > 0 && timer_.isActive(); --n)
        if (onTick)
            onTick();
}

} // namespace kx
