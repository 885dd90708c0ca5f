#pragma once

#include <system_error>

namespace kx {

class Game;

// Whether the player wants the guide beside the main window, kept in a file
// of its own so that the skin's settings stay as they are.  Before anything
// is kept: on the first start on this machine, when the skin's settings do
// not exist yet either, the guide is wanted and that is kept at once; after
// that, not until the player asks for it.
bool GuideWanted(Game& game);
std::error_code KeepGuideWanted(Game& game, bool wanted);

} // namespace kx
