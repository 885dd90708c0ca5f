#pragma once

#include "core/Controls.h"
#include "platform/Platform.h"

#include <QPixmap>
#include <QRect>
#include <QStaticText>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QAbstractItemView;

namespace kx {

// Mouse buttons and modifier keys as the engine counts them (1 left, 2 right,
// 4 middle; 1 Shift, 2 Ctrl, 4 Alt).
int engineButtons(Qt::MouseButtons buttons);
int engineShift(Qt::KeyboardModifiers modifiers);

// Hands `pick` the row (from 1) the player clicks or moves to in `list`, as a
// list view's ItemClick reports it; rows the view selects itself while
// `syncing` is set are not the player's and go unreported.
void reportPicks(QAbstractItemView* list, const bool& syncing, std::function<void(int row)> pick);
// Makes the engine's selected row (from 1; 0 for none) the list's current one, in view.
void showSelected(QAbstractItemView* list, int selected);

// A picture box: draws what the engine printed into it and reports the mouse.
class StripWidget : public QWidget {
public:
    StripWidget(FontRole font, QWidget* parent);
    // Repaints only when the printed texts changed.
    void setPrinted(const std::vector<PictureBox::Printed>& printed);
    const std::vector<PictureBox::Printed>& printed() const { return printed_; }
    // Every text printed in it, whole, wherever it stands: what a screen reader reads.
    QString wholeText() const;
    // The picture the texts are printed over; none leaves the dark strip.
    void setPicture(const Image& picture);

    std::function<void()> onClick, onDoubleClick;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // A printed text, shaped, and drawn in the strip's colour when not too wide.
    struct Drawn {
        QStaticText laidOut;
        QPixmap picture; // kEdge wider on each side than the text
    };
    static constexpr int kEdge = 2;            // antialiased edges reach past a text's box
    static constexpr int kWidestPicture = 8192; // in device pixels

    // Where the texts are drawn.
    QRect areaOf(const std::vector<PictureBox::Printed>& texts);
    const Drawn& drawn(const std::string& text);

    FontRole font_;
    std::vector<PictureBox::Printed> printed_;
    Image picture_;
    QPixmap scaled_; // the picture at the strip's size
    std::map<std::string, Drawn> drawn_; // the texts printed
    QColor textColour_;
    QString spoken_; // the whole text a reader last heard of
    bool afterDoubleClick_ = false;
};

// An invisible label of a skin with a mark drawn on it: the title strip or a
// corner mark.  Pressing reports at once (to start a drag), clicking on release.
class ClickArea : public QWidget {
public:
    ClickArea(const QString& mark, QWidget* parent);

    // Pressing gives the mouse's place on the screen at the press.
    std::function<void(QPoint)> onPress;
    std::function<void()> onClick;
    // Whether the mark is drawn; a skin's picture draws its own.
    void setMarkDrawn(bool drawn);
    // Does what a click does, as a screen reader's user presses it.
    void press();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString mark_;
    bool markDrawn_ = true;
};

} // namespace kx

#include "TickPacer.h"

#include <QElapsedTimer>
#include <QTimer>

namespace kx {

// Drives an engine timer at the pace of the desktop the game was made for.
class StripTicker {
public:
    explicit StripTicker(QObject* owner);
    // Starts or stops ticking; starting again begins a fresh count.
    void setRunning(bool running);
    bool running() const { return timer_.isActive(); }

    std::function<void()> onTick;

private:
    void fire();

    QTimer timer_;
    QElapsedTimer clock_;
    TickPacer pacer_;
};

} // namespace kx
