#include "support/GameFixture.h"

#include "core/World.h"
#include "servers/FilePieces.h"
#include "servers/OrdinaryFileTexts.h"
#include "servers/ServerFiles.h"

#include <algorithm>

namespace kxtest {
namespace {

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

} // namespace
} // namespace kxtest
