#include "core/Game.h"

#include <algorithm>

namespace kx {

void Game::GenerateServerFiles()
{
    const int count = Random(9) + 1;
    const int hint = Random(count);
    int database = hint;
    while (database == hint) {
        database = Random(count);
        DoEvents(); // the terminal keeps painting while the files are made
    }

    state.ServerFiles = {};
    state.FileCount = 0;
    for (int i = 1; i <= count; ++i) {
        ServerFile& file = state.ServerFiles[i];
        if (i == hint) {
            file.IsHintFile = true;
            file.Text = MakeHintFile(i);
        } else if (i == database) {
            file.IsPaymentDatabase = true;
            file.Name = RandomDatabaseName();
            file.Text = PaymentDatabaseText();
        } else {
            file.Text = MakeOrdinaryFile(i);
        }
        state.FileCount += 1;
    }
}

std::string Game::PaymentDatabaseText()
{
    std::string text = state.CurrentServerName + " Payment Database file\xFF\xFF";
    const int entries = Random(10);
    for (int i = 0; i < entries; ++i) {
        const std::string first = RandomFirstName();
        const std::string last = RandomLastName();
        const int amount = Random(100) + 300;
        text += first.substr(0, 1) + ".  " + last + " ---------- $" + std::to_string(amount) +
                "\xFF";
    }
    return text;
}

std::string Game::PickServerFile()
{
    if (!(state.FileCount >= 1))
        return {};
    const int count = static_cast<int>(std::min(state.FileCount, static_cast<float>(kFileSlots)));
    // Each slot in turn gets a one-in-count chance, so earlier files come up
    // more often and the last one takes whatever is left.
    for (int i = 1; i <= count; ++i)
        if (Random(count) == i)
            return state.ServerFiles[i].Name;
    return state.ServerFiles[count].Name;
}

} // namespace kx
