#pragma once

#include <string>

namespace kx {

class Game;

// Makes the 2 to 10 files of the server being connected to.
void GenerateServerFiles(Game& game);
// The note a server shows after a correct password.
std::string ServerNote(Game& game);

} // namespace kx
