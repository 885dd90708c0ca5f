#pragma once

#include "core/Controls.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace kx {

class Game;
class Window;

// What every window view shares: no system frame, its skin picture (or the
// dark look with its outline), dragging by the title strip, and reading its
// engine window.
class FramelessView : public QWidget {
    Q_OBJECT
public:
    FramelessView(Game& game, Window& window);

    // The engine window drawn here; null once that window has been unloaded.
    Window* engineWindow() const { return window_; }
    // The engine window is gone: stop reading it and hide.
    void detach();
    // Brings the skin picture, the outline and every widget in line with the
    // engine window.
    void sync();
    // Brings the widgets that are not bound to one control in line with the
    // engine window.
    virtual void refresh() {}
    // Moves the window with the mouse until the button is released.
    void beginDrag();
    // Where the mouse went down on the title strip, on the screen.
    void notePress(QPoint global) { pressedAt_ = global; }
    // A message window: a screen reader speaks its whole message when it shows.
    virtual bool isMessage() const { return false; }
    virtual QString message() const { return {}; }

signals:
    void unloaded();

protected:
    // Runs an engine handler while the engine window is still there.
    template <typename Handler>
    void handle(Handler&& handler);
    // The window system asked to close the window.
    virtual void closeRequested() = 0;
    // Whether Escape closes the window, as the window system's close command would.
    virtual bool closesOnEscape() const { return false; }
    // The rounded outline the window is drawn and clicked in.
    virtual QRect outlineRect() const { return rect(); }
    virtual int cornerSize() const { return 6; }
    // The title strip: pressing it runs `mouseDown`, which starts a drag.
    void addTitleStrip(const Rect& twips, std::function<void()> mouseDown);
    // A corner mark (minimise "_", close "x") whose click runs `click`.
    void addMark(const QString& mark, const Rect& twips, std::function<void()> click);

    // Keeps a widget in line with its engine control at every sync, while the
    // engine window is there.
    void keepInLine(std::function<void()> syncing) { bindings_.push_back(std::move(syncing)); }
    QLabel* makeLabel(const Label& label);
    QPushButton* makeButton(const Button& button, std::function<void()> click = {});
    void sync(QLabel* widget, const Label& label);
    void sync(QPushButton* widget, const Button& button);

    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    Game& game_;

private:
    // Paints the window from its skin picture, or in the dark look without one,
    // and gives each label a colour that reads on what lies under it.
    void syncSkin();
    // Lets clicks land only inside the outline, set again whenever it changes.
    void syncMask();
    // Whether `widget` must show `caption` afresh.
    bool captionChanged(const QWidget* widget, const std::string& caption);

    Window* window_;
    Image picture_;
    QPixmap background_;
    QColor titleColour_;
    QRect maskedOutline_;
    int maskedCorner_ = -1;
    std::vector<class ClickArea*> marks_;
    std::vector<std::function<void()>> bindings_;
    std::map<const QWidget*, std::string> captions_; // as last shown, in the engine's bytes
    Rect titleStrip_;
    bool dragging_ = false;
    QPoint pressedAt_;
    QPoint dragOffset_;
};

} // namespace kx

#include "core/Game.h"

template <typename Handler>
void kx::FramelessView::handle(Handler&& handler)
{
    if (window_)
        game_.dispatch(std::forward<Handler>(handler));
}
