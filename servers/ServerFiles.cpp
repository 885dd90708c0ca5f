#include "ServerFiles.h"

#include "FilePieces.h"
#include "core/Game.h"

#include <algorithm>

namespace kx {

void GenerateServerFiles(Game& game)
{
    GameState& state = game.state;
    const int count = game.Random(9) + 1;
    const int hint = game.Random(count);
    int database = hint;
    while (database == hint) {
        database = game.Random(count);
        game.DoEvents(); // the terminal keeps painting while the files are made
    }

    state.ServerFiles = {};
    state.FileCount = 0;
    for (int i = 1; i <= count; ++i) {
        ServerFile& file = state.ServerFiles[i];
        if (i == hint) {
            file.IsHintFile = true;
            file.Text = MakeHintFile(game, i);
        } else if (i == database) {
            file.IsPaymentDatabase = true;
            file.Name = RandomDatabaseName(game);
            file.Text = PaymentDatabaseText(game);
        } else {
            file.Text = MakeOrdinaryFile(game, i);
        }
        state.FileCount += 1;
    }
}

std::string PaymentDatabaseText(Game& game)
{
    const GameState& state = game.state;
    std::string text = state.CurrentServerName + " Payment Database file\xFF\xFF";
    const int entries = game.Random(10);
    for (int i = 0; i < entries; ++i) {
        const std::string first = game.RandomFirstName();
        const std::string last = game.RandomLastName();
        const int amount = game.Random(100) + 300;
        text += first.substr(0, 1) + ".  " + last + " ---------- $" + std::to_string(amount) +
                "\xFF";
    }
    return text;
}

std::string PickServerFile(Game& game)
{
    const GameState& state = game.state;
    if (!(state.FileCount >= 1))
        return {};
    const int count = static_cast<int>(std::min(state.FileCount, static_cast<float>(kFileSlots)));
    // Each slot in turn gets a one-in-count chance, so earlier files come up
    // more often and the last one takes whatever is left.
    for (int i = 1; i <= count; ++i)
        if (game.Random(count) == i)
            return state.ServerFiles[i].Name;
    return state.ServerFiles[count].Name;
}

} // namespace kx
