#pragma once

namespace kx {

class FramelessView;
class Game;
class Window;

// Builds the view that draws an engine window.
FramelessView* makeView(Game& game, Window& window);

} // namespace kx
