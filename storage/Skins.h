#pragma once

#include "AtomicFile.h"

namespace kx {

class Game;

// The settings file that remembers the skin folder (see KeptFiles.h).
inline constexpr const char* kSkinSettingsName = "skinfolder.ehf";

// At the start of a game: takes the skin folder from the settings file, which
// the first start writes with the program's folder, and loads all pictures.
void StartSkin(Game& game);
// "Refresh": loads all pictures again from the skin folder.
void RefreshSkin(Game& game);
// "Set Folder": the player picks a picture in the new skin's folder; the
// pictures of every window but the shop come from there at once, and the
// skin's description is shown.
// The choice is written to the settings file (`check` is asked before each
// step); a failure is told after the description, and the skin holds for this run.
void ChooseSkinFolder(Game& game, const WriteStepCheck& check = {});
// Keeps the windows' size (WindowSize.h) in the settings file; a file made for
// it names the skin folder too, so the next start still finds the skin.
std::error_code KeepWindowSize(Game& game, int percent);

} // namespace kx
