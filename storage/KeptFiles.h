#pragma once

#include <filesystem>
#include <string>

namespace kx {

class Game;

// Where the game keeps what it writes: the program's folder when the player
// may write there, else the per-user data folder.
std::filesystem::path KeepingFolder(Game& game);
// The kept file of that name, where the game writes it.
std::filesystem::path KeptFileToWrite(Game& game, const std::string& name);
// The kept file to read: the one the game wrote, or before there is one the
// file of that name that came with the program.
std::filesystem::path KeptFileToRead(Game& game, const std::string& name);

} // namespace kx
