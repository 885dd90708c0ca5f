#pragma once

#include "AtomicFile.h"

#include <filesystem>

namespace kx {

class Game;

// "Save Game": asks, refuses on the final day, asks where, and writes the
// game as it will stand the next day.  The old file stays whole until the new
// one is complete; `check` is asked before each step of writing.
void SaveGame(Game& game, const WriteStepCheck& check = {});
// "Load Game": asks, asks which file, and takes the player's values from it
// when it holds a saved game; the world stays as it is.
void LoadGame(Game& game);

} // namespace kx
