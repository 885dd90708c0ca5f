#pragma once

namespace kx {

class Game;
class Window;

// A sequence that lets window events run while it waits (connecting, a
// cracker, a payment, printing, and later the credits, the shop's opening and
// rewriting a file).  Meanwhile the player may close its window, start a new
// game or start another action, so after each wait it asks whether it may go
// on: only while its window is loaded in the same, running game and, for an
// action that claimed its window, while no later claim or
// `Window::StopLongActions` has replaced it.
class LongAction {
public:
    enum class Claim { Shared, Exclusive };

    explicit LongAction(Window& window, Claim claim = Claim::Shared);

    bool alive() const;
    explicit operator bool() const { return alive(); }

private:
    Game& game_;
    const Window& window_;
    unsigned generation_;
    unsigned claim_; // 0 for a shared action
};

} // namespace kx
