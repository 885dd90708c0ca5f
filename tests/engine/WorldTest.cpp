#include "support/GameFixture.h"
#include "core/World.h"

#include <cmath>

namespace kxtest {
namespace {

using World = GameFixture;

// A server draws two address parts of 1 to 100, two of 1 to 255, its login
// name (pool slots 1 to 50), password (1 to 52), vulnerability and payment, in
// that order; the highest draw shows a range drawn one too short or too long.
TEST_F(World, TheFirstServerTakesTheDrawsInOrder)
{
    kx::FillWordPools(game);
    const auto expectFirst = [&](const std::string& address, int user, int password,
                                 int vulnerability, int limit) {
        kx::GenerateServers(game);
        const kx::ServerRecord& server = state().Server[1];
        EXPECT_EQ(server.Address, address);
        EXPECT_EQ(server.UserName, state().UserNamePool[user]);
        EXPECT_EQ(server.Password, state().PasswordPool[password]);
        EXPECT_EQ(server.Vulnerability, vulnerability);
        EXPECT_EQ(server.MaxPayment, limit);
    };
    for (auto [n, k] : {std::pair{100, 37}, {100, 5}, {255, 201}, {255, 88}, {50, 7}, {52, 13},
                        {10, 4}, {999, 500}})
        random.pushRandom(n, k);
    expectFirst("37.5.201.88", 7, 13, 4, 100 * (11 - 4) + 500);
    for (int i = 0; i < 8; ++i)
        random.push(std::nextafter(1.0f, 0.0f));
    expectFirst("100.100.255.255", 50, 52, 10, 100 + 999);
}

} // namespace
} // namespace kxtest
