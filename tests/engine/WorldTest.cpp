#include "support/GameFixture.h"

#include "core/Numbers.h"
#include "core/World.h"
#include "servers/FilePieces.h"
#include "servers/OrdinaryFileTexts.h"
#include "servers/ServerFiles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>

namespace kxtest {
namespace {

// Rounding takes halves towards plus infinity; beyond 16 bits the short form
// holds at its ends, the whole form keeps the amount.  Amounts show at most
// one decimal, rounded half away from zero as the money pattern does.  Letter
// case follows the western code page.
TEST(Numbers, RoundWriteAndCaseTexts)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double x; int shortForm; double whole; } rounded[] = {
        {2.5, 3, 3}, {2.49, 2, 2}, {-2.5, -2, -2}, {-2.51, -3, -3}, {32767.4, 32767, 32767},
        {-32768.5, -32768, -32768}, {32767.5, 32767, 32768}, {-32768.6, -32768, -32769},
        {1e10 + 0.5, 32767, 1e10 + 1}, {-40000.5, -32768, -40000}, {inf, 32767, inf},
        {-inf, -32768, -inf}};
    for (const auto& c : rounded) {
        EXPECT_EQ(kx::RoundHalfUp(c.x), c.shortForm) << c.x;
        EXPECT_EQ(kx::RoundHalfUpWhole(c.x), c.whole) << c.x;
    }
    const std::pair<double, const char*> amounts[] = {
        {1234.56, "1,234.6"}, {0, "0"}, {999, "999"}, {1234567.5, "1,234,567.5"}, {-1234, "-1,234"},
        {9999.96, "10,000"}, // rounding that lands on a whole number leaves no ".0"
        {-0.04, "0"}, // a negative amount that shows as nothing shows no minus sign either
        {0.25, "0.3"}, {1234.25, "1,234.3"}, {-0.25, "-0.3"}, {2.25, "2.3"}, {0.05, "0.1"}};
    for (auto [x, expected] : amounts)
        EXPECT_EQ(kx::FormatAmount(x), expected) << x;
    // Doubles reach far beyond what a float of money holds; the digits must all be there.
    const std::string huge = kx::FormatAmount(1e70);
    EXPECT_EQ(huge.size(), 71u + 23u) << huge;
    EXPECT_EQ(huge.substr(0, 6), "10,000");
    // Plain numbers keep up to seven significant digits; a float prints as the
    // float it was meant to be.
    const std::pair<double, const char*> numbers[] = {
        {-0.0, "0"}, {-2.5, "-2.5"}, {1234567.5, "1234568"}, {static_cast<double>(4400.1f), "4400.1"},
        {1234.5, "1234.5"}, {1.5e7, "1.5E+07"}, {9.85e-5, "9.85E-05"}};
    for (auto [x, expected] : numbers)
        EXPECT_EQ(kx::NumberText(x), expected) << x;
    // Text, with its first letter upper-cased, all lower-cased.
    const std::array<std::string, 3> cases[] = {
        {"nEO", "NEO", "neo"}, {"", "", ""}, {" A1 [Z]", " A1 [Z]", " a1 [z]"},
        {"\xe0\xde", "\xc0\xde", "\xe0\xfe"}, // à Þ, the ends of the range
        {"\xff\x9f\x8c", "\x9f\x9f\x8c", "\xff\xff\x9c"}, // ÿ Ÿ Œ
        {"\xf7\xd7\xdf", "\xf7\xd7\xdf", "\xf7\xd7\xdf"}}; // ÷ × no letters, ß no capital
    for (const auto& [text, upperFirst, lower] : cases) {
        EXPECT_EQ(kx::UpperFirst(text), upperFirst) << ::testing::PrintToString(text);
        EXPECT_EQ(kx::LowerCase(text), lower) << ::testing::PrintToString(text);
    }
}

// Number text reads back whatever the process locale: the game's files in
// the form it writes them or with a decimal comma, as a system with a comma
// locale writes them; typed amounts in the game's own form.  An amount the
// finances propose reads back as the very float it came from.
TEST(Numbers, ReadTheSameInEveryLocale)
{
    const std::optional<double> none;
    const std::pair<std::string, std::optional<double>> fileNumbers[] = {
        {"1234.5", 1234.5}, {"2,5", 2.5}, {"7", 7}, {"-0,25", -0.25}, {"1.5E+07", 1.5e7}, {"9.85E-05", 9.85e-5},
        {".5", 0.5}, {"1,234.5", none}, {"1.2.3", none}, {"", none}, {"-", none}, {"1E", none}, {"E5", none},
        {" 5", none}, {"0x10", none}, {"inf", none}, {"nan", none}, {"1E+400", none}, {"5$", none}};
    for (const auto& [text, value] : fileNumbers)
        EXPECT_EQ(kx::ReadNumberText(text), value) << text;
    const std::pair<std::string, std::optional<double>> typedAmounts[] = {
        {"1500.50", 1500.5}, {"$1,500", 1500}, {"1,234,567.5", 1234567.5}, {"1500,50", none},
        {"1,5", none}, {"12,3456", none}, {",500", none}, {"1,500,", none}, {"1.5,00", none}, {"1e3", none}};
    for (const auto& [text, value] : typedAmounts)
        EXPECT_EQ(kx::ParseAmount(text), value) << text;
    const std::pair<std::string, std::optional<double>> typedNumbers[] = {
        {"2.5", 2.5}, {"+2.5", 2.5}, {"-0.5", -0.5}, {"2,5", none}, {std::string(400, '9'), HUGE_VAL},
        {"0." + std::string(400, '0') + "1", 0}};
    for (const auto& [text, value] : typedNumbers)
        EXPECT_EQ(kx::ParseNumber(text), value) << text;
    const std::pair<float, const char*> proposals[] = {
        {9.85e-5f, "0.0000985"}, {1.5e7f, "15000000"}, {100.1f, "100.1"}, {1234.5677f, "1234.5677"}};
    for (const auto& [money, text] : proposals) {
        EXPECT_EQ(kx::PlainNumberText(money), text);
        EXPECT_EQ(static_cast<float>(kx::ParseAmount(text).value_or(-1)), money) << text;
    }
}

using Draws = std::vector<std::pair<int, int>>; // Random(n) gives k, in order

const std::string br(1, kx::kLineBreak);

bool isBlank(const kx::ServerFile& f)
{
    return f.Reserved == 0 && f.Text.empty() && f.Name.empty() && !f.IsHintFile &&
           !f.IsPaymentDatabase;
}

// Connected to server 5, "Bank of Boston", whose limit is 1201; three files
// exist: payments.dtb, maxpay.txt, crap.abz.
class ServerFiles : public GameFixture {
protected:
    void SetUp() override
    {
        kx::FillWordPools(game);
        kx::GenerateServers(game);
        state().ServerIndex = 5;
        state().CurrentServerName = state().Server[5].Name;
        state().Server[5].MaxPayment = 1201;
        state().Alias = "neo";
        state().ServerFiles[1].Name = "payments.dtb";
        state().ServerFiles[2].Name = "maxpay.txt";
        state().ServerFiles[3].Name = "crap.abz";
        state().FileCount = 3;
    }
    // The top of a range is drawn as high as it goes, so a range one too long shows.
    void script(const Draws& draws)
    {
        for (auto [n, k] : draws)
            k == n ? random.pushHighest(n, k) : random.pushRandom(n, k);
    }
};

// Texts put together from the server, its limit, the date and drawn names;
// every scripted draw is used, in the order of the text.  A pick stops at the
// first slot its draw hits, else takes the last.
TEST_F(ServerFiles, TextsAndNamesTakeTheDrawsInOrder)
{
    script({{10, 1}, {20, 1}, {99, 5}});
    EXPECT_EQ(kx::MakeHintFile(game, 4), "Check sent to Bank of Boston for 1201 U.S. dollars.");
    EXPECT_EQ(state().ServerFiles[4].Name, "payment.txt");
    script({{10, 5}, {20, 20}, {10, 10}});
    EXPECT_EQ(kx::MakeHintFile(game, 4), "Payment list" + br + "$1201*" + br + "$325" + br + "$760" +
                                        br + "300.25");
    EXPECT_EQ(state().ServerFiles[4].Name, "employee_news_letter10.rpf");
    script({{25, 1}, {70, 2}, {26, 1}, {26, 2}, {26, 26}, {50, 5}});
    EXPECT_EQ(kx::MakeOrdinaryFile(game, 4), "Data Base Entry: 12/6/2026" + br +
                                            "Check sent to Bank of Boston for 1201 for services "
                                            "rendered.");
    EXPECT_EQ(state().ServerFiles[4].Name, "crap.abz");
    script({{25, 14}, {70, 64}, {999, 7}, {26, 5}, {26, 24}, {26, 5}});
    EXPECT_EQ(kx::MakeOrdinaryFile(game, 4), "Error");
    EXPECT_EQ(state().ServerFiles[4].Name, "test7.exe");
    script({{25, 25}, {70, 3}, {26, 1}, {26, 1}, {26, 1}});
    EXPECT_EQ(kx::MakeOrdinaryFile(game, 4), kx::files::texts::kTavrikBanner);
    const std::pair<Draws, const char*> stems[] = {
        {{{70, 1}, {999, 999}}, "doc999"}, {{{70, 19}}, "bank of boston"}, {{{70, 70}}, "top"}};
    for (const auto& [draws, stem] : stems) {
        script(draws);
        EXPECT_EQ(kx::RandomFileStem(game), stem);
    }
    script({{10, 2}, {50, 1}, {50, 38}, {100, 42}, {50, 18}, {50, 1}, {100, 100}});
    EXPECT_EQ(kx::PaymentDatabaseText(game), "Bank of Boston Payment Database file" + br + br +
                                              "J.  Reed ---------- $342" + br +
                                              "F.  Johnson ---------- $400" + br);
    script({{10, 5}, {3, 1}, {3, 2}, {3, 2}, {3, 3}, {3, 3}, {3, 3}, {3, 2}, {3, 1}, {3, 1}});
    EXPECT_EQ(kx::ServerNote(game), "Recent File Updates:" + br + "payments.dtb" + br +
                                     "maxpay.txt" + br + "crap.abz" + br + "crap.abz");
    EXPECT_EQ(random.pending(), 0u);
}

// Connecting with nothing listed leaves ServerIndex at 0: only texts quoting
// the server are empty.  No file is picked or named outside the table.
TEST_F(ServerFiles, WithoutAServerOrOutsideTheTableNothingIsQuotedOrNamed)
{
    state().ServerIndex = 0;
    script({{10, 6}, {20, 1}});
    EXPECT_EQ(kx::MakeHintFile(game, 2), "");
    EXPECT_EQ(state().ServerFiles[2].Name, "payment.txt") << "the name is drawn first";
    script({{70, 19}});
    EXPECT_EQ(kx::RandomFileStem(game), "");
    for (int kind : {1, 2, 3, 8, 9}) {
        random.pushRandom(10, kind);
        EXPECT_EQ(kx::ServerNote(game), "") << "note " << kind;
    }
    script({{10, 7}});
    EXPECT_NE(kx::ServerNote(game), "");

    for (int slot : {0, 11}) {
        kx::MakeHintFile(game, slot);
        kx::MakeOrdinaryFile(game, slot);
    }
    EXPECT_TRUE(isBlank(state().ServerFiles[0]));
    state().FileCount = 0;
    EXPECT_EQ(kx::PickServerFile(game), "");
}

// The count and the hint's slot are drawn first, then the database's until it
// differs from the hint's; nothing is left of the files before.
TEST_F(ServerFiles, EachConnectionMakesOneHintAndOneDatabaseAmongItsFiles)
{
    const struct { Draws draws; int count, hint, database, eventRuns; } cases[] = {
        {{{9, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 2}}, 2, 1, 2, 3},
        {{{9, 1}, {2, 2}, {2, 2}, {2, 2}, {2, 1}}, 2, 2, 1, 3},
        {{{9, 9}, {10, 10}, {10, 1}}, 10, 10, 1, 1}};
    const auto& files = state().ServerFiles;
    for (const auto& c : cases) {
        state().ServerFiles.fill({7, "old", "old.txt", true, true});
        platform.clearRecords();
        script(c.draws);
        kx::GenerateServerFiles(game);
        EXPECT_EQ(state().FileCount, c.count);
        EXPECT_EQ(platform.eventRuns, c.eventRuns) << "events run at each draw of the database slot";
        for (int i = 0; i <= kx::kFileSlots; ++i)
            EXPECT_EQ(isBlank(files[i]), i == 0 || i > c.count) << "slot " << i;
        EXPECT_EQ(std::ranges::count_if(files, &kx::ServerFile::IsHintFile), 1);
        EXPECT_EQ(std::ranges::count_if(files, &kx::ServerFile::IsPaymentDatabase), 1);
        EXPECT_TRUE(files[c.hint].IsHintFile);
        EXPECT_TRUE(files[c.database].IsPaymentDatabase);
        EXPECT_TRUE(files[c.database].Text.starts_with("Bank of Boston Payment Database file" + br));
    }
    EXPECT_EQ(random.pending(), 0u);
}

// The draw times n must be taken exactly: rounded to float, a draw just below
// k/n would give k + 1.  Only Random folds in the time of day.
TEST_F(ServerFiles, RandomGivesOneToNFromTheExactProduct)
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
TEST_F(ServerFiles, TheWorldTakesItsDrawsInOrderAndFindsServersByWholeName)
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
