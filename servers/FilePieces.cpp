#include "FilePieces.h"

#include "core/Game.h"

namespace kx::files {

std::string threeLetters(Game& game)
{
    std::string letters;
    for (int i = 0; i < 3; ++i)
        letters += static_cast<char>(96 + game.Random(26));
    return letters;
}

void nameFile(GameState& state, int slot, const std::string& name)
{
    if (slot >= 1 && slot <= kFileSlots)
        state.ServerFiles[slot].Name = name;
}

} // namespace kx::files
