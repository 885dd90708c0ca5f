#pragma once

namespace kx {

class FramelessView;
class Game;
class Window;

// Builds the view that draws an engine window; null for one that is never shown.
FramelessView* makeView(Game& game, Window& window);

} // namespace kx
