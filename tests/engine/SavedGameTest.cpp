#include "support/Files.h"
#include "support/GameFixture.h"

#include "core/Numbers.h"
#include "storage/EntryFile.h"
#include "storage/SavedGame.h"
#include "storage/Scramble.h"


namespace kxtest {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class SavedGame : public GameFixture {
protected:
    void SetUp() override
    {
        fs::create_directories(folder);
        startGame();
    }
    void save(const fs::path& file, std::vector<int> presses = {Yes, Okay})
    {
        platform.clearRecords();
        platform.pagerPresses.assign(presses.begin(), presses.end());
        platform.fileAnswers = {file};
        run([&] { rara().Command4_Click(); });
    }
    void load(const fs::path& file)
    {
        platform.clearRecords();
        platform.pagerPresses = {Yes, Okay};
        platform.fileAnswers = {file};
        run([&] { rara().Command5_Click(); });
    }
    const fs::path folder = platform.data;
};

// A game saved on day 29 loads as day 30 with every value it had; the world
// is not in the file.  A fresh file lists the holdings from the last, and a
// second save replaces each entry in its place.
TEST_F(SavedGame, RoundTripsTheNextDay)
{
    kx::GameState& s = state();
    s.Alias = "Neo \xE9";
    s.Funds = 1234.5f, s.Debt = 1e10f, s.BankFunds = 0.25f, s.DayCount = 29;
    s.Items = {0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 7, 1};
    const kx::GameState before = s;
    save(folder / "first");
    EXPECT_EQ(platform.messageTexts().back(), "Save completed successfully");
    EXPECT_EQ(platform.fileDialogs.at(0).title, "Save Kestrix Game");
    const fs::path file = folder / "first.kxg";
    const std::string written = FileBytes(file);
    EXPECT_TRUE(written.starts_with("[kestrixsav]\r\nitem10=")) << written;
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 18) << "fifteen values and two records";
    save(file);
    const std::string again = FileBytes(file);
    EXPECT_EQ(again.substr(0, again.find("ledger=")), written.substr(0, written.find("ledger=")));
    EXPECT_EQ(std::count(again.begin(), again.end(), '\n'), 18);
    EXPECT_EQ(kx::Scramble(kx::GetEntry("KESTRIXSAV", "FUNDS", file), "qelvun", false), "1234.5")
        << "numbers are saved in one form on every system";

    s.Alias = "other", s.Funds = s.Debt = s.BankFunds = 0, s.DayCount = 3, s.Items = {};
    s.Server[5].Name = "kept";
    load(file);
    EXPECT_EQ(platform.messageTexts().back(), "Neo \xE9's file opened correctly");
    EXPECT_EQ(s.DayCount, 30);
    EXPECT_EQ((Lines{s.Alias, kx::NumberText(s.Funds), kx::NumberText(s.Debt), kx::NumberText(s.BankFunds)}),
              (Lines{before.Alias, "1234.5", "1E+10", "0.25"}));
    EXPECT_EQ(s.Items, (kx::Slots<float, kx::kItemSlots>{0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 7, 0}));
    EXPECT_EQ(s.Server[5].Name, "kept");
    // A system with a comma locale writes its decimals with a comma.
    ASSERT_FALSE(kx::PutEntry("kestrixsav", "funds", kx::Scramble("2,5", "qelvun", true), file));
    load(file);
    EXPECT_EQ(s.Funds, 2.5f);
    save(folder / "late", {Yes, Okay});
    EXPECT_EQ(platform.messageTexts().back(), "Sorry, you can not save on the final day.  Just finish the game right now");
    EXPECT_TRUE(platform.fileDialogs.empty());
}

// What is refused changes nothing: a "No", a cancelled dialog, a missing file,
// a saved day past the last.  (Files in the way and foreign files: WriteFaults, BadFiles.)
TEST_F(SavedGame, RefusalsChangeNothing)
{
    const fs::path badDay = folder / "day31.kxg";
    state().DayCount = 4;
    save(badDay);
    EXPECT_FALSE(kx::PutEntry("kestrixsav", "daymark", kx::Scramble("31", "qelvun", true), badDay));
    const std::string seen = "That file is not a saved Kestrix game.  Nothing was changed.";
    const struct { bool saving; fs::path file; Lines told; } rows[] = {
        {true, folder / "any", {"Saving adds"}},
        {true, "", {"Saving adds", "File cannot be save --- Error 52:  Bad file name or number"}},
        {false, folder / "missing.kxg", {"You will lose", "Invalid File Name"}},
        {false, badDay, {"You will lose", seen}}};
    for (const auto& row : rows) {
        const std::string what = row.file.string();
        if (row.saving)
            save(row.file, row.told.size() == 1 ? std::vector<int>{No} : std::vector<int>{Yes, Okay});
        else
            load(row.file);
        const Lines told = platform.messageTexts();
        ASSERT_EQ(told.size(), row.told.size()) << what;
        for (std::size_t i = 0; i < told.size(); ++i)
            EXPECT_TRUE(told[i].starts_with(row.told[i])) << what << ": " << told[i];
        EXPECT_EQ(state().DayCount, 4) << what;
        EXPECT_EQ(state().Alias, "neo") << what;
    }
    EXPECT_FALSE(fs::exists(folder / "any.kxg")) << "a No writes nothing";
}

// A saved game edited to hold 3.4e38 used to load: a day's interest on such
// a debt, or the rating of that many items, came out infinite.  Found by the soak.
TEST_F(SavedGame, ValuesThatWouldOverflowAreRefused)
{
    const fs::path file = folder / "edited.kxg";
    for (const char* key : {"debt", "item10"}) {
        save(file);
        kx::PutEntry("kestrixsav", key, kx::Scramble("3.4e38", "qelvun", true), file);
        load(file);
        EXPECT_EQ(platform.messageTexts().back(), "That file is not a saved Kestrix game.  Nothing was changed.");
        EXPECT_EQ(state().Debt, 4000) << key;
        EXPECT_EQ(state().Items[10], 0) << key;
    }
}

// The messages and the ledger travel with the game, whatever bytes their
// texts hold, under keys a reader of the other values passes over; a game
// saved without them loads with none, and a loaded game goes on with its ledger.
TEST_F(SavedGame, TheRecordsTravelWithTheGame)
{
    kx::GameState& s = state();
    // Six bytes that one of the key's letters turns into "]" whatever their place.
    const std::string awkward = "[x] a=b %41 \r\n \xFF\x01 \x1e\x1f \xEB\xEB\xEB\xEB\xEB\xEB ";
    s.DayCount = 3;
    s.PagerLog = {{1, "Welcome", "Okay"}, {3, awkward, "Ummm..."}};
    s.Ledger = {{1, 2000, 4000, 0, {"Borrowed $1", awkward}}, {2, 2000, 4400, 0, {}}, {3, 2000, 4840, 0, {}}};
    save(folder / "records");
    const kx::GameState saved = s;
    const fs::path file = folder / "records.kxg";
    const std::string written = FileBytes(file);
    EXPECT_NE(written.find("\r\nname=" + kx::Scramble("neo", "qelvun", true) + "\r\nledger="), std::string::npos)
        << "the records stand below the fifteen values";
    // Saved over a file of an older game, the records stand above the values;
    // a reader of the values finds each of them past the records.
    const std::size_t values = written.find("\r\n") + 2, records = written.find("ledger=");
    WriteBytes(file, written.substr(0, values) + written.substr(records) +
                         written.substr(values, records - values));
    EXPECT_EQ(kx::Scramble(kx::GetEntry("kestrixsav", "name", file), "qelvun", false), "neo");

    s.PagerLog.clear();
    s.Ledger.clear();
    load(file);
    ASSERT_EQ(s.PagerLog.size(), 4u) << "the three saved, with the save's question, and the load's answer";
    EXPECT_EQ(std::vector(s.PagerLog.begin(), s.PagerLog.begin() + 3),
              std::vector(saved.PagerLog.begin(), saved.PagerLog.begin() + 3));
    EXPECT_EQ(s.PagerLog.back().Text, "neo's file opened correctly");
    ASSERT_EQ(s.Ledger.size(), 4u);
    EXPECT_EQ(std::vector(s.Ledger.begin(), s.Ledger.begin() + 3), saved.Ledger);
    EXPECT_EQ(s.Ledger.back().Day, 4) << "the loaded game goes on from the next day";

    const fs::path bare = folder / "bare.kxg";
    WriteBytes(bare, written.substr(0, records));
    load(bare);
    EXPECT_EQ(s.Alias, "neo");
    ASSERT_EQ(s.PagerLog.size(), 1u);
    EXPECT_EQ(s.PagerLog[0].Text, "neo's file opened correctly");
    EXPECT_EQ(s.Ledger, (std::vector<kx::LedgerDay>{{4, 2000, 4000, 0, {}}}));
}

} // namespace
} // namespace kxtest
