#include "SavedGame.h"

#include "EntryFile.h"
#include "KeptFiles.h"
#include "SavedRecords.h"
#include "Scramble.h"
#include "core/Game.h"
#include "core/LongAction.h"
#include "core/Numbers.h"
#include "core/frmRara.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kx {

namespace {

namespace fs = std::filesystem;

const char* const kSection = "kestrixsav";
const char* const kScrambleKey = "qelvun";
const char* const kFilter = "Kestrix Games (*.kxg)";
constexpr int kHoldings = 10;
constexpr int kBadFileName = 52; // the number a file that cannot be named reports

// The saved values in the order they are written; holdings follow as "item1" to "item10".
enum Value { Alias, Funds, Debt, Bank, Day };
constexpr std::array<const char*, 5> kKeys{"name", "funds", "debt", "bankfunds", "daymark"};

std::string holdingKey(int n) { return "item" + std::to_string(n); }

// The game's records ride along under keys of their own, which a reader of the
// fifteen values above passes over and which need not be there.
enum Record { Messages, Ledger };
constexpr std::array<const char*, 2> kRecordKeys{"messages", "ledger"};

const char* const kSaveFailed = "File cannot be save";

} // namespace

void SaveGame(Game& game, const WriteStepCheck& check)
{
    frmRara* rara = game.find<frmRara>();
    if (!rara)
        return;
    const LongAction saving(*rara);
    GameState& s = game.state;
    if (game.ShowPager("Saving adds an extra day to your current count, do you still wish to continue?",
                       true) == 3 || !saving)
        return;
    if (s.DayCount == kFinalDay) {
        game.ShowPager("Sorry, you can not save on the final day.  Just finish the game right now", false);
        return;
    }
    const fs::path folder = KeepingFolder(game) / "games";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    fs::path file = game.platform().saveFileDialog("Save Kestrix Game", folder, kFilter);
    if (!saving)
        return;
    if (file.empty()) {
        game.ShowPager(kSaveFailed + std::string(" --- Error ") + std::to_string(kBadFileName) +
                           ":  Bad file name or number",
                       false);
        return;
    }
    if (!file.has_extension())
        file += ".kxg";
    std::vector<std::pair<std::string, std::string>> entries{
        {kKeys[Alias], s.Alias}, {kKeys[Funds], NumberText(s.Funds)}, {kKeys[Debt], NumberText(s.Debt)},
        {kKeys[Bank], NumberText(s.BankFunds)}, {kKeys[Day], NumberText(s.DayCount + 1)}};
    for (int n = 1; n <= kHoldings; ++n)
        entries.emplace_back(holdingKey(n), NumberText(s.Items[n]));
    for (auto& entry : entries)
        entry.second = Scramble(entry.second, kScrambleKey, true);
    // Put first, the records end up below the fifteen values, which keep their order.
    NoteFigures(s);
    entries.insert(entries.begin(), {{kRecordKeys[Messages], MessagesValue(s.PagerLog)},
                                     {kRecordKeys[Ledger], LedgerValue(s.Ledger)}});
    const std::error_code error = PutEntries(kSection, entries, file, [&game] { game.DoEvents(); }, check);
    if (!saving)
        return;
    if (!error)
        TickGuide(game, GuideStep::Save);
    game.ShowPager(error ? WriteFailure(kSaveFailed, error) : "Save completed successfully", false);
}

void LoadGame(Game& game)
{
    frmRara* rara = game.find<frmRara>();
    if (!rara)
        return;
    const LongAction loading(*rara);
    if (game.ShowPager("You will lose all current game information by opening a new one, do you wish "
                       "to continue?", true) != 2 || !loading)
        return;
    const fs::path file = game.platform().openFileDialog("Open Kestrix Game",
                                                         KeepingFolder(game) / "games", kFilter);
    if (!loading)
        return;
    std::error_code error;
    if (file.empty() || !fs::is_regular_file(file, error)) {
        game.ShowPager("Invalid File Name", false);
        return;
    }
    // The alias, the four numbers, then the holdings, as kept.
    std::vector<std::string> keys(std::begin(kKeys), std::end(kKeys));
    for (int n = 1; n <= kHoldings; ++n)
        keys.push_back(holdingKey(n));
    keys.insert(keys.end(), kRecordKeys.begin(), kRecordKeys.end());
    std::vector<std::string> values = GetEntries(kSection, keys, file);
    const std::string ledger = values.back();
    values.pop_back();
    const std::string messages = values.back();
    values.pop_back();
    for (std::string& value : values)
        value = Scramble(value, kScrambleKey, false);
    const std::string alias = values[Alias];
    std::array<std::optional<float>, 4 + kHoldings> numbers;
    for (std::size_t i = 1; i < values.size(); ++i)
        numbers[i - 1] = SavedNumber(values[i]);
    const std::optional<float> day = numbers[Day - Funds];
    const bool isGame = !alias.empty() && std::ranges::all_of(numbers, [](auto v) { return v.has_value(); }) &&
                       *day >= 1 && *day <= kFinalDay && *day == std::floor(*day);
    if (!isGame) {
        game.ShowPager("That file is not a saved Kestrix game.  Nothing was changed.", false);
        return;
    }
    GameState& s = game.state;
    s.Alias = alias;
    s.Funds = *numbers[0];
    s.Debt = *numbers[1];
    s.BankFunds = *numbers[2];
    s.DayCount = *day;
    for (int n = 1; n <= kHoldings; ++n)
        s.Items[n] = *numbers[3 + n];
    s.PagerLog = ReadMessages(messages);
    s.Ledger = ReadLedger(ledger);
    s.Finished = false;
    rara->ShowFinished(false);
    game.RefreshStatus();
    if (loading)
        game.ShowPager(s.Alias + "'s file opened correctly", false);
}

} // namespace kx
