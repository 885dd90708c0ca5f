#include "support/GameFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

namespace kxtest {
namespace {

using World = GameFixture;

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

// A plain decimal number from lo to hi, without sign, blanks or leading zeros.
::testing::AssertionResult isNumberWithin(const std::string& text, int lo, int hi)
{
    if (text.empty() || text.size() > 3 || text[0] == '0' ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return ::testing::AssertionFailure() << '"' << text << "\" is not a plain number";
    const int value = std::stoi(text);
    if (value < lo || value > hi)
        return ::testing::AssertionFailure() << value << " is outside " << lo << " to " << hi;
    return ::testing::AssertionSuccess();
}

bool onlyOf(const std::string& word, bool digitsToo)
{
    return std::all_of(word.begin(), word.end(), [&](char c) {
        return (c >= 'a' && c <= 'z') || (digitsToo && c >= '0' && c <= '9');
    });
}

// Slot of the first pool word equal to `word`, 0 when none is.
int poolSlot(const kx::Slots<std::string, kx::kPoolSize>& pool, const std::string& word)
{
    for (int i = 1; i <= kx::kPoolSize; ++i)
        if (pool[i] == word)
            return i;
    return 0;
}

struct ServerDraws {
    int a, b, c, d, user, password, vulnerability, payment;
    std::string address;
    int maxPayment;
    friend std::ostream& operator<<(std::ostream& out, const ServerDraws& d) { return out << d.address; }
};

class ServerDrawsTest : public GameFixture, public ::testing::WithParamInterface<ServerDraws> {};

TEST_P(ServerDrawsTest, FirstServerTakesTheDrawsInOrder)
{
    const ServerDraws& p = GetParam();
    game.FillWordPools();
    const std::pair<int, int> draws[] = {{100, p.a}, {100, p.b}, {255, p.c}, {255, p.d},
                                         {50, p.user}, {52, p.password}, {10, p.vulnerability},
                                         {999, p.payment}};
    for (auto [n, k] : draws)
        random.pushRandom(n, k);
    game.GenerateServers();
    const kx::ServerRecord& server = state().Server[1];
    EXPECT_EQ(server.Address, p.address);
    EXPECT_EQ(server.UserName, state().UserNamePool[p.user]);
    EXPECT_EQ(server.Password, state().PasswordPool[p.password]);
    EXPECT_EQ(server.Vulnerability, p.vulnerability);
    EXPECT_EQ(server.MaxPayment, p.maxPayment);
}

INSTANTIATE_TEST_SUITE_P(
    World, ServerDrawsTest,
    ::testing::Values(ServerDraws{1, 1, 1, 1, 1, 1, 1, 1, "1.1.1.1", 1001},
                      ServerDraws{100, 100, 255, 255, 50, 52, 10, 999, "100.100.255.255", 1099},
                      ServerDraws{37, 5, 201, 88, 7, 13, 4, 500, "37.5.201.88", 1200},
                      ServerDraws{10, 9, 100, 20, 2, 51, 1, 999, "10.9.100.20", 1999}));

TEST_F(World, GeneratedServersKeepTheirBoundsOverManyWorlds)
{
    game.FillWordPools();
    std::set<int> firstParts, lastParts, userSlots, passwordSlots, vulnerabilities;
    for (int world = 0; world < 200; ++world) {
        game.GenerateServers();
        for (int i = 1; i <= kx::kWorldSize; ++i) {
            const kx::ServerRecord& server = state().Server[i];
            SCOPED_TRACE("server " + std::to_string(i) + " " + server.Address);
            const auto parts = split(server.Address, '.');
            ASSERT_EQ(parts.size(), 4u);
            ASSERT_TRUE(isNumberWithin(parts[0], 1, 100));
            ASSERT_TRUE(isNumberWithin(parts[1], 1, 100));
            ASSERT_TRUE(isNumberWithin(parts[2], 1, 255));
            ASSERT_TRUE(isNumberWithin(parts[3], 1, 255));
            firstParts.insert(std::stoi(parts[0]));
            lastParts.insert(std::stoi(parts[3]));

            const int user = poolSlot(state().UserNamePool, server.UserName);
            const int password = poolSlot(state().PasswordPool, server.Password);
            ASSERT_GE(user, 1);
            ASSERT_LE(user, 50);
            ASSERT_GE(password, 1);
            ASSERT_LE(password, 52);
            userSlots.insert(user);
            passwordSlots.insert(password);

            ASSERT_GE(server.Vulnerability, 1);
            ASSERT_LE(server.Vulnerability, 10);
            vulnerabilities.insert(server.Vulnerability);
            const int limit = server.MaxPayment + 100 * server.Vulnerability;
            ASSERT_GE(limit, 1101);
            ASSERT_LE(limit, 2099);
        }
    }
    // The draws reach both ends of every range.
    EXPECT_EQ(firstParts.size(), 100u);
    EXPECT_EQ(lastParts.size(), 255u);
    EXPECT_TRUE(userSlots.contains(50));
    EXPECT_TRUE(passwordSlots.contains(52));
    EXPECT_EQ(vulnerabilities.size(), 10u);
}

TEST_F(World, SlotsHoldTheCompaniesInTableOrder)
{
    game.FillWordPools();
    game.GenerateServers();
    const std::pair<int, const char*> named[] = {
        {2, "Microsoft"}, {3, "Microsoft Network"}, {10, "Micro Engineering Solutions Inc."},
        {13, "National Security Agency"}, {51, "Micron Electronics"}, {55, "E*Trade Securites"},
        {62, "Micro Warehouse"}, {87, "Lands' End"}, {100, "Control Groups of America"}};
    for (auto [slot, name] : named)
        EXPECT_EQ(state().Server[slot].Name, name) << "slot " << slot;
    for (int slot : {1, 27, 33, 54, 56, 58, 66, 70, 71, 88, 96, 97, 99}) {
        const std::string& name = state().Server[slot].Name;
        EXPECT_NE(name.find('.'), std::string::npos) << "slot " << slot << " is a web domain: " << name;
        EXPECT_EQ(name.find(' '), std::string::npos) << "slot " << slot << ": " << name;
    }

    std::set<std::string> names;
    for (int slot = 1; slot <= kx::kWorldSize; ++slot) {
        const std::string& name = state().Server[slot].Name;
        EXPECT_GE(name.size(), 4u) << name;
        EXPECT_LE(name.size(), 32u) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 100u) << "every company is different";
    for (int slot = kx::kWorldSize + 1; slot <= kx::kServerSlots; ++slot)
        EXPECT_EQ(state().Server[slot].Name, "") << "slot " << slot << " stays free";
}

TEST_F(World, RegenerationKeepsNamesAndBlocks)
{
    game.FillWordPools();
    game.GenerateServers();
    state().Server[5].NoAccess = true;
    state().Server[100].NoAccess = true;
    const auto before = state().Server;
    game.GenerateServers();
    int changed = 0;
    for (int slot = 1; slot <= kx::kServerSlots; ++slot) {
        EXPECT_EQ(state().Server[slot].Name, before[slot].Name);
        EXPECT_EQ(state().Server[slot].NoAccess, slot == 5 || slot == 100) << "slot " << slot;
        changed += state().Server[slot].Address != before[slot].Address;
    }
    EXPECT_GT(changed, 90) << "every address is drawn anew";
}

TEST_F(World, WordPoolsHaveTheirShapes)
{
    game.FillWordPools();
    const auto users = state().UserNamePool;
    const auto passwords = state().PasswordPool;
    for (int i = 1; i <= kx::kPoolSize; ++i) {
        const std::string& user = users[i];
        EXPECT_TRUE(onlyOf(user, false)) << "login name " << i << ": " << user;
        EXPECT_GE(user.size(), 2u) << i;
        EXPECT_LE(user.size(), i <= 50 ? 9u : 13u) << "login name " << i << ": " << user;
        const std::string& password = passwords[i];
        EXPECT_TRUE(onlyOf(password, true)) << "password " << i << ": " << password;
        EXPECT_GE(password.size(), 3u) << i;
        EXPECT_LE(password.size(), 22u) << i;
    }

    state().UserNamePool[7] = "changed";
    game.FillWordPools();
    EXPECT_EQ(state().UserNamePool, users) << "the pools are refilled in the same order";
    EXPECT_EQ(state().PasswordPool, passwords);
}

struct PersonName {
    int k;
    const char* first;
    const char* last;
    friend std::ostream& operator<<(std::ostream& out, const PersonName& p) { return out << p.k; }
};

class PersonNameTest : public GameFixture, public ::testing::WithParamInterface<PersonName> {};

TEST_P(PersonNameTest, TakesTheKthNameOfEachTable)
{
    random.pushRandom(50, GetParam().k);
    random.pushRandom(50, GetParam().k);
    EXPECT_EQ(game.RandomFirstName(), GetParam().first);
    EXPECT_EQ(game.RandomLastName(), GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(World, PersonNameTest,
                         ::testing::Values(PersonName{1, "Jake", "Johnson"},
                                           PersonName{7, "Eric", "Webster"},
                                           PersonName{26, "Peter", "Sachs"},
                                           PersonName{49, "Webster", "Eblen"},
                                           PersonName{50, "Aaron", "Sonie"}));

} // namespace
} // namespace kxtest
