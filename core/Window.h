#pragma once

#include "Controls.h"

#include <string>

namespace kx {

class Game;

enum class WindowKind { Rara, Pager, Terminal };

// An engine window: the state of its controls as plain data and one method
// per event handler.  The Game loads and unloads it; a view draws it.
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

    Game& game() const { return game_; }

private:
    Game& game_;
};

} // namespace kx
