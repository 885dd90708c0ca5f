#pragma once

#include "core/GameState.h"

#include <string>

namespace kx {

class Game;

// The files of the connected server and the words they are made of.
std::string MakeHintFile(Game& game, int slot); // also names the file
std::string MakeOrdinaryFile(Game& game, int slot); // also names the file
std::string PaymentDatabaseText(Game& game);
std::string RandomDatabaseName(Game& game);
std::string RandomFileStem(Game& game);
// One of the connected server's file names, the earlier ones more often.
std::string PickServerFile(Game& game);

} // namespace kx

// Pieces shared by the generated file names, file texts and server notes.
namespace kx::files {

// Three independent lower-case letters, "a" to "z".
std::string threeLetters(Game& game);
// Names the file in `slot`; a slot outside 1 to 10 keeps nothing.
void nameFile(GameState& state, int slot, const std::string& name);

inline std::string blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

} // namespace kx::files
