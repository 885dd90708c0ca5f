#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace kx {

class Game;
class Platform;

// Where the game keeps what it writes: the program's folder when it is the
// game's own and the player may write there, else the per-user data folder.
std::filesystem::path KeepingFolder(Game& game);
// The kept file of that name, where the game writes it.
std::filesystem::path KeptFileToWrite(Game& game, const std::string& name);
// What the player is told when a file could not be written: what failed, the
// error's number and the system's words for it.
std::string WriteFailure(const std::string& what, const std::error_code& error);
// The kept file to read: the one the game wrote, or before there is one the
// file of that name that came with the program.
std::filesystem::path KeptFileToRead(Game& game, const std::string& name);
// The same, for a program that has its platform but no game yet.
std::filesystem::path KeptFileToRead(Platform& platform, const std::string& name);

} // namespace kx
