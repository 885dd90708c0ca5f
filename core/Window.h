#pragma once

#include "Controls.h"

#include <cstddef>
#include <string>

namespace kx {

class Game;

// Every window of the game, one line each, in the order a new game closes
// them: the main window goes last, once the player's state is cleared.
enum class WindowKind : std::size_t {
    Finance,
    Menu,
    Pager,
    Terminal,
    Credits,
    Scorelist,
    Shop,
    Messages,
    Ledger,
    Guide,
    Rara,
};
inline constexpr std::size_t kWindowKinds = static_cast<std::size_t>(WindowKind::Rara) + 1;

// An engine window: the state of its controls as plain data and one method
// per event handler.  The Game loads and unloads it; a view draws it.  Each
// window class names its kind as `static constexpr WindowKind Kind`.
class Window {
public:
    explicit Window(Game& game) : game_(game) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    virtual WindowKind kind() const = 0;
    // The title the window system and the taskbar show.
    virtual std::string Caption() const = 0;
    // Size of the window's client area, in twips.
    virtual Rect Frame() const = 0;
    // Runs when the window is being unloaded, before its view goes.
    virtual void Form_Unload() {}
    // Runs each time the window is shown or becomes the active window again.
    virtual void Form_Activate() {}
    // The game's messages or ledger grew: a window showing them reads them afresh.
    virtual void RecordsChanged() {}

    Game& game() const { return game_; }

    Image Picture; // the skin's picture the window is painted from; none: the drawn look

    // Stops the window's long actions that claimed it (see LongAction) at their next step.
    void StopLongActions() { ++claims_; }

private:
    friend class LongAction;
    Game& game_;
    unsigned claims_ = 0;
};

// The window classes name their kind once; kind() follows from it.
template <WindowKind K>
class WindowOf : public Window {
public:
    static constexpr WindowKind Kind = K;
    using Window::Window;
    WindowKind kind() const final { return K; }
};

} // namespace kx
