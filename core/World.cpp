#include "World.h"

#include "Game.h"

#include "WorldTables.h"

namespace kx {

void FillWordPools(Game& game)
{
    GameState& state = game.state;
    for (int i = 1; i <= kPoolSize; ++i) {
        state.UserNamePool[i] = tables::kUserNames[i - 1];
        state.PasswordPool[i] = tables::kPasswords[i - 1];
    }
}

void GenerateServers(Game& game)
{
    GameState& state = game.state;
    for (int i = 1; i <= kWorldSize; ++i)
        state.Server[i].Name = tables::kCompanies[i - 1];
    for (int i = 1; i <= kWorldSize; ++i) {
        ServerRecord& server = state.Server[i];
        const int a = game.Random(100);
        const int b = game.Random(100);
        const int c = game.Random(255);
        const int d = game.Random(255);
        server.Address = std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c) +
                         "." + std::to_string(d);
        server.UserName = state.UserNamePool[game.Random(50)];
        server.Password = state.PasswordPool[game.Random(52)];
        server.Vulnerability = game.Random(10);
        server.MaxPayment = static_cast<std::int16_t>(100 * (11 - server.Vulnerability) + game.Random(999));
    }
}

std::string Game::RandomFirstName() { return std::string(tables::kFirstNames[Random(50) - 1]); }

std::string Game::RandomLastName() { return std::string(tables::kLastNames[Random(50) - 1]); }

} // namespace kx
