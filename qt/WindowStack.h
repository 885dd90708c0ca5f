#pragma once

#include <QPointer>

#include <functional>
#include <map>
#include <vector>

class QEventLoop;

namespace kx {

class FramelessView;
class Game;
class Window;

// The game's windows on the screen: one view per engine window, where each
// goes, which comes forward and who has the keyboard, modal runs, and the
// views of unloaded windows until the engine's safe point.
class WindowStack {
public:
    // `runLoop` runs a nested event loop until it is told to quit.
    explicit WindowStack(std::function<void(QEventLoop&)> runLoop);
    ~WindowStack();
    WindowStack(const WindowStack&) = delete;
    WindowStack& operator=(const WindowStack&) = delete;

    // The game whose windows the views dispatch to; set before it starts.
    void attach(Game& game) { game_ = &game; }
    FramelessView* viewOf(const Window& window) const;
    // The main window's view, when it is loaded.
    FramelessView* mainView() const;

    // A window was loaded: its view is made and placed, not yet shown.
    void loaded(Window& window);
    // A window was unloaded: its view hides and waits for the safe point.
    void unloaded(Window& window);
    // Shows the window on top of the others, with the keyboard, from the task bar too.
    void show(Window& window);
    // Shows the window modally until it is unloaded.
    void runModal(Window& window);
    void minimise(Window& window);
    void drag(Window& window);
    void setTopmost(Window& window, bool topmost);
    // Every view reads its engine window afresh.
    void refresh();
    // The views of unloaded windows go.
    void atSafePoint();
    // The program ends: every view hides, and none shows again.
    void close();
    // When the window with the keyboard has gone, the one shown last before it
    // takes the keyboard, as a window manager would do; without one a keyboard
    // player would be left with nowhere to type.
    void keyboardBack();

private:
    void place(FramelessView& view, const Window& window);
    void bringForward(FramelessView& view);

    std::function<void(QEventLoop&)> runLoop_;
    Game* game_ = nullptr;
    std::map<const Window*, FramelessView*> views_;
    std::vector<QPointer<FramelessView>> retired_;
    std::vector<QPointer<FramelessView>> shownOrder_; // the last shown last
    bool closed_ = false;
};

} // namespace kx
