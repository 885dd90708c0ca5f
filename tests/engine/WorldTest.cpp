#include "support/GameFixture.h"
#include "core/World.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace kxtest {
namespace {

using World = GameFixture;

TEST_F(World, TheFirstServerTakesTheDrawsInOrder)
{
    kx::FillWordPools(game);
    // Two parts of 1 to 100, two of 1 to 255, login name, password, vulnerability, payment.
    const std::pair<int, int> draws[] = {{100, 37}, {100, 5}, {255, 201}, {255, 88},
                                         {50, 7},   {52, 13}, {10, 4},    {999, 500}};
    for (auto [n, k] : draws)
        random.pushRandom(n, k);
    kx::GenerateServers(game);
    const kx::ServerRecord& server = state().Server[1];
    EXPECT_EQ(server.Address, "37.5.201.88");
    EXPECT_EQ(server.UserName, state().UserNamePool[7]);
    EXPECT_EQ(server.Password, state().PasswordPool[13]);
    EXPECT_EQ(server.Vulnerability, 4);
    EXPECT_EQ(server.MaxPayment, 100 * (11 - 4) + 500);
}

// Slot of the first pool word equal to `word`, 0 when none is.
int poolSlot(const kx::Slots<std::string, kx::kPoolSize>& pool, const std::string& word)
{
    for (int i = 1; i <= kx::kPoolSize; ++i)
        if (pool[i] == word)
            return i;
    return 0;
}

TEST_F(World, GeneratedServersKeepTheirBoundsOverManyWorlds)
{
    kx::FillWordPools(game);
    const int highest[] = {100, 100, 255, 255};
    std::set<int> parts[4], userSlots, passwordSlots, vulnerabilities, limits;
    for (int world = 0; world < 200; ++world) {
        kx::GenerateServers(game);
        for (int i = 1; i <= kx::kWorldSize; ++i) {
            const kx::ServerRecord& server = state().Server[i];
            std::istringstream in(server.Address);
            for (int p = 0; p < 4; ++p) {
                // A plain decimal number, without sign, blanks or leading zeros.
                std::string part;
                std::getline(in, part, '.');
                ASSERT_TRUE(!part.empty() && part.size() <= 3 && part[0] != '0' &&
                            part.find_first_not_of("0123456789") == std::string::npos)
                    << server.Address;
                ASSERT_LE(std::stoi(part), highest[p]) << server.Address;
                parts[p].insert(std::stoi(part));
            }
            ASSERT_TRUE(in.eof()) << server.Address;
            const int user = poolSlot(state().UserNamePool, server.UserName);
            const int password = poolSlot(state().PasswordPool, server.Password);
            ASSERT_TRUE(user >= 1 && user <= 50 && password >= 1 && password <= 52);
            userSlots.insert(user);
            passwordSlots.insert(password);
            ASSERT_TRUE(server.Vulnerability >= 1 && server.Vulnerability <= 10);
            vulnerabilities.insert(server.Vulnerability);
            limits.insert(server.MaxPayment + 100 * server.Vulnerability);
        }
    }
    // The draws reach both ends of every range.
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(parts[p].size(), static_cast<std::size_t>(highest[p])) << "part " << p;
    EXPECT_TRUE(userSlots.contains(50) && passwordSlots.contains(52));
    EXPECT_EQ(vulnerabilities.size(), 10u);
    EXPECT_EQ(*limits.begin(), 1101);
    EXPECT_EQ(*limits.rbegin(), 2099);
}

// Redrawn each day, the world keeps its companies, each in its own slot, and
// draws every address anew.
TEST_F(World, EachSlotKeepsItsOwnCompanyWhenRedrawn)
{
    kx::FillWordPools(game);
    kx::GenerateServers(game);
    const auto before = state().Server;
    kx::GenerateServers(game);
    std::set<std::string> names;
    int changed = 0;
    for (int slot = 1; slot <= kx::kWorldSize; ++slot) {
        EXPECT_EQ(state().Server[slot].Name, before[slot].Name);
        names.insert(state().Server[slot].Name);
        changed += state().Server[slot].Address != before[slot].Address;
    }
    EXPECT_EQ(names.size(), 100u) << "every company is different";
    EXPECT_FALSE(names.contains(""));
    EXPECT_EQ(state().Server[kx::kWorldSize + 1].Name, "") << "slots past the world stay free";
    EXPECT_GT(changed, 90);
}

} // namespace
} // namespace kxtest
