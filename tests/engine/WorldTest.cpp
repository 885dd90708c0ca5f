#include "support/GameFixture.h"

#include "core/World.h"

#include <cmath>
#include <tuple>

namespace kxtest {
namespace {

// A world of 100 servers drawn from the word pools.
class World : public GameFixture {
protected:
    void SetUp() override
    {
        kx::FillWordPools(game);
        kx::GenerateServers(game);
    }
};

// The draw times n must be taken exactly: rounded to float, a draw just below
// k/n would give k + 1.  Only Random folds in the time of day.
TEST_F(World, RandomGivesOneToNFromTheExactProduct)
{
    for (int n : {3, 52, 999}) {
        random.push(0.0f);
        EXPECT_EQ(game.Random(static_cast<std::int16_t>(n)), 1) << "n = " << n;
        for (int k = 1; k <= n; ++k) {
            float r = static_cast<float>(static_cast<double>(k) / n);
            while (static_cast<double>(r) * n >= k)
                r = std::nextafter(r, 0.0f);
            random.push(r);
            ASSERT_EQ(game.Random(static_cast<std::int16_t>(n)), k) << "n = " << n << ", r = " << r;
        }
    }
    platform.clock = 12.5;
    random.reseeds.clear();
    game.Random(10);
    game.RandomUniform();
    EXPECT_EQ(random.reseeds, std::vector<double>{platform.timeOfDaySeconds()});
}

// A server draws two address parts of 1 to 100, two of 1 to 255, its login
// name (pool slots 1 to 50), password (1 to 52), vulnerability and payment, in
// that order; the highest draw shows a range drawn one too short or too long.
// A server is found by its whole name only.
TEST_F(World, ServersTakeTheirDrawsInOrderAndAreFoundByWholeName)
{
    using Drawn = std::tuple<std::string, std::string, std::string, int, int>;
    const auto first = [&] {
        kx::GenerateServers(game);
        const kx::ServerRecord& s = state().Server[1];
        return Drawn{s.Address, s.UserName, s.Password, s.Vulnerability, s.MaxPayment};
    };
    for (auto [n, k] : {std::pair{100, 37}, {100, 5}, {255, 201}, {255, 88}, {50, 7}, {52, 13},
                        {10, 4}, {999, 500}})
        random.pushRandom(n, k);
    EXPECT_EQ(first(), (Drawn{"37.5.201.88", state().UserNamePool[7], state().PasswordPool[13], 4,
                              100 * (11 - 4) + 500}));
    for (int i = 0; i < 8; ++i)
        random.push(std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(first(), (Drawn{"100.100.255.255", state().UserNamePool[50], state().PasswordPool[52],
                              10, 100 + 999}));
    EXPECT_EQ(game.FindServer("Microsoft"), 2);
    EXPECT_EQ(game.FindServer("Control Groups of America"), 100);
    for (const char* name : {"microsoft", "Microsoft ", "Micro", ""})
        EXPECT_EQ(game.FindServer(name), std::nullopt) << '"' << name << '"';
}

} // namespace
} // namespace kxtest
