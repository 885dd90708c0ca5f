#include "Soak.h"

#include "core/Game.h"
#include "core/Numbers.h"
#include "core/RandomSource.h"
#include "core/frmRara.h"
#include "economy/frmFinance.h"
#include "economy/frmShop.h"
#include "shell/frmCredits.h"
#include "shell/frmMenu.h"
#include "storage/EntryFile.h"
#include "storage/Scramble.h"
#include "storage/frmScorelist.h"
#include "support/FakePlatform.h"
#include "terminal/frmTerminal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <stdexcept>

namespace kxsoak {

namespace {

namespace fs = std::filesystem;
using namespace kxtest;
using kx::frmRara;

// A player who presses whatever the screen offers, types right, wrong and
// garbage answers, and clicks again while the game waits.
class Player {
public:
    explicit Player(std::uint64_t seed) : dice_(seed), random_(seed)
    {
        // Saving syncs every file to the disk; in memory that costs nothing.
        if (std::error_code error; fs::is_directory("/dev/shm", error))
            platform_.data = "/dev/shm" / platform_.data.filename();
        games_ = platform_.data / "games";
        platform_.whilePagerShows = [this](kx::frmPager& pager) {
            platform_.pagerPresses = {chance(6) ? Close : pager.Command1.Visible ? Okay : Yes + roll(2)};
        };
        platform_.whileInputShows = [this](const InputRequest& r) { platform_.inputAnswers = {answer(r)}; };
        // The finances window is modal: the player works in it until it closes.
        platform_.whileModal = [this](kx::Window& window) {
            for (int n = roll(4); n > 0 && game_.isLoaded(window); --n)
                act();
        };
        // A click while the game waits, as impatient players make; a message holds all else still.
        platform_.whileProcessingEvents = [this] {
            if (depth_ < 2 && !game_.find<kx::frmPager>() && chance(300))
                act();
        };
        platform_.whileWaiting = [this](double) { platform_.whileProcessingEvents(); };
    }

    // Plays until the game is won, lost or closed, and a few steps after.
    int play(int maxSteps)
    {
        fs::create_directories(games_);
        writeOddFiles();
        Before before = remember();
        game_.start();
        int step = 0, afterEnd = 0;
        while (true) {
            if (const char* rule = broken(before))
                throw std::runtime_error("step " + std::to_string(step) + ": " + rule);
            for (const PagerMessage& message : platform_.messages)
                lost_ = lost_ || message.text.ends_with("Game Over.");
            if (game_.ended() || ((lost_ || game_.state.Finished) && ++afterEnd > 3) || ++step > maxSteps)
                break;
            platform_.clearRecords(); // what a long game records would only fill the memory
            platform_.sounds.clear();
            before = remember();
            act();
        }
        for (const auto& entry : fs::recursive_directory_iterator(platform_.data))
            if (entry.path().extension() == ".tmp")
                throw std::runtime_error("the end: a temporary file was left: " + entry.path().string());
        return step;
    }

private:
    // What a step started from, for the rules that compare before and after.
    struct Before {
        unsigned generation;
        std::vector<const kx::Window*> windows; // loaded as the step began
        long blocked; // servers that have locked the player out, for good
    };
    Before remember() const
    {
        std::vector<const kx::Window*> loaded;
        for (std::size_t k = 0; k < kx::kWindowKinds; ++k)
            if (const kx::Window* window = game_.find(static_cast<kx::WindowKind>(k)))
                loaded.push_back(window);
        const auto blocked = [](const kx::ServerRecord& server) { return server.NoAccess; };
        return {game_.generation(), loaded, std::ranges::count_if(game_.state.Server, blocked)};
    }

    // The first rule of the game that the step broke, or null.
    const char* broken(const Before& before) const
    {
        const Before now = remember();
        if (game_.ended())
            return now.windows.empty() ? nullptr : "a window outlived the end of the program";
        const frmRara* r = game_.find<frmRara>();
        if (!r)
            return "the main window is gone while the game runs";
        const kx::GameState& s = game_.state;
        const auto finite = [](float v) { return std::isfinite(v); };
        const auto money = {s.Funds, s.Debt, s.BankFunds, s.EquipmentRating, s.FavourReward};
        const auto whole = [](float v) { return kx::FormatAmount(kx::RoundHalfUpWhole(v)); };
        const auto old = [&](const kx::Window* w) { return std::ranges::count(before.windows, w) > 0; };
        const bool leftOver = now.generation != before.generation && std::ranges::any_of(now.windows, old);
        const int enabled =
            r->Command1.Enabled + r->Command3.Enabled + r->Command4.Enabled + r->Command6.Enabled;
        const bool terminal = game_.find<kx::frmTerminal>() != nullptr;
        const bool loggedIn = terminal && !s.Disconnected && !s.AwaitingName && !s.AwaitingPassword;
        const kx::frmMenu* menu = game_.find<kx::frmMenu>();
        const std::pair<bool, const char*> rules[] = {
            {::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed(),
             "the window system was asked what the player had no answer for (see above)"},
            {!std::ranges::all_of(s.Items, finite) || !std::ranges::all_of(s.ItemPrice, finite) ||
                 !std::ranges::all_of(money, finite),
             "money or an item count is not a finite number"},
            {!(s.DayCount >= 1 && s.DayCount <= kx::kFinalDay && s.DayCount == std::floor(s.DayCount)),
             "the day is not one of 1 to 30"},
            {s.Items[kx::kItemSlots] != 0, "a tip is held after it was bought"},
            {leftOver, "a window of a replaced game is still loaded"},
            {game_.find<kx::frmPager>() != nullptr, "a message is still up once the step is over"},
            {!game_.find<kx::frmShop>() && !s.ItemCatalogue.empty(), "the shop's stock outlived the shop"},
            {s.Alias.empty(), "the game runs without an alias"},
            {s.Finished && (enabled > 0 || terminal), "a finished game still connects, lends or saves"},
            {!s.Finished && enabled < 4, "a running game's buttons are disabled"},
            // The figures are redrawn after every change, a finished game's included.
            {r->Label9.Caption != "$" + whole(s.Funds) || r->Label12.Caption != "$" + whole(s.Debt) ||
                 r->Label14.Caption != "$" + whole(s.BankFunds) || r->Label11.Caption != whole(s.Items[1]) ||
                 r->Label10.Caption != whole(s.Items[2]),
             "the main window shows other figures than the game holds"},
            {s.AwaitingName && s.AwaitingPassword, "the terminal awaits a name and a password at once"},
            {loggedIn && s.ServerIndex >= 1 && s.Server[static_cast<int>(s.ServerIndex)].NoAccess,
             "logged in to a server that has locked the player out"},
            {menu && menu->mnuOther.children.front().Checked != s.SoundOn, "the menu's sound mark is wrong"},
            {now.blocked < before.blocked, "a server that locked the player out let him in again"},
        };
        for (const auto& [brokenNow, rule] : rules)
            if (brokenNow)
                return rule;
        return nullptr;
    }

    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }
    bool chance(int n) { return roll(n) == 0; }
    std::string pick(std::initializer_list<std::string> choices)
    {
        return choices.begin()[roll(static_cast<int>(choices.size()))];
    }
    std::string garbage()
    {
        std::string text(static_cast<std::size_t>(roll(40)), ' ');
        for (char& c : text)
            c = static_cast<char>(1 + roll(255));
        return text;
    }
    std::string amount()
    {
        if (chance(2))
            return chance(2) ? std::to_string(roll(6000)) : garbage();
        return pick({"", "0", "1,500", "$2,000", "1500.50", "-100", "1e3", "99999999999999999999", "1e400",
                     "3.4e38", " 7 ", "$", "0.001", "nan", "inf", "10000", "2500"});
    }
    std::string answer(const InputRequest& box)
    {
        if (box.title == "Welcome newbie!")
            return chance(3) ? garbage() : pick({"", "neo", "Tavrik", "qelvun", "Zero Cool"});
        if (box.title == "Search Server List")
            return chance(4) ? garbage() : game_.state.Server[1 + roll(100)].Name.substr(0, roll(12));
        return amount();
    }

    // A file of random bytes and a saved game with odd values, for loading.
    void writeOddFiles()
    {
        std::ofstream(games_ / "junk.kxg", std::ios::binary) << garbage() << '\n' << garbage();
        std::vector<std::pair<std::string, std::string>> entries{
            {"name", pick({"neo", "", "Zero"})}, {"daymark", pick({"1", "29", "30", "31", "0", "1.5", "x"})}};
        for (std::string key : {"funds", "debt", "bankfunds", "item1", "item2", "item3", "item4", "item5",
                                "item6", "item7", "item8", "item9", "item10"})
            entries.emplace_back(key, pick({"0", "-1", "2000", "1E+10", "1e15", "3.4e38", "nan", ""}));
        for (auto& entry : entries)
            entry.second = kx::Scramble(entry.second, "qelvun", true);
        kx::PutEntries("kestrixsav", entries, games_ / "odd.kxg");
    }

    void act()
    {
        ++depth_;
        while (platform_.fileAnswers.size() < 4) {
            const std::string name = pick({"", "a.kxg", "b", "junk.kxg", "odd.kxg", "missing/c.kxg", "."});
            platform_.fileAnswers.push_back(name.empty() ? fs::path() : games_ / name);
        }
        game_.dispatch([this] {
            if (auto* finance = game_.find<kx::frmFinance>()) {
                onFinance(*finance);
            } else if (auto* terminal = game_.find<kx::frmTerminal>(); terminal && chance(2)) {
                onTerminal(*terminal);
            } else if (chance(2) || !onOthers()) {
                if (frmRara* rara = game_.find<frmRara>())
                    onMain(*rara);
            }
        });
        --depth_;
    }

    void onFinance(kx::frmFinance& f)
    {
        using F = kx::frmFinance;
        static constexpr void (F::*clicks[])() = {&F::Command1_Click, &F::Command2_Click, &F::Command3_Click,
                                                  &F::Command4_Click, &F::Label4_Click};
        (f.*clicks[roll(5)])();
    }

    void onMain(frmRara& r)
    {
        const auto press = [&](kx::Button& button, void (frmRara::*click)()) {
            if (button.Enabled)
                (r.*click)();
        };
        switch (roll(12)) {
        case 0: r.ListView1_DblClick(); [[fallthrough]];
        case 1: press(r.Command1, &frmRara::Command1_Click); break;
        case 2:
            r.ListView1_ItemClick(roll(static_cast<int>(r.ListView1.items.size()) + 2));
            press(r.Command1, &frmRara::Command1_Click);
            break;
        case 3: press(r.Command2, &frmRara::Command2_Click); break;
        case 4: press(r.Command3, &frmRara::Command3_Click); break;
        case 5: press(r.Command4, &frmRara::Command4_Click); break;
        case 6:
            if (chance(4))
                writeOddFiles();
            press(r.Command5, &frmRara::Command5_Click);
            break;
        case 7:
            // A new game only now and then, so that most games reach their end.
            platform_.menuChoices = {chance(8) ? "mnuGiveup"
                                               : pick({"", "mnuSound", "mnuHighScores", "mnuSetFolder",
                                                       "mnuRefresh", "mnuCont", "mnuAbout", "mnuCredits"})};
            press(r.Command7, &frmRara::Command7_Click);
            break;
        case 8: r.Picture1_Click(), r.Timer1_Timer(), r.Picture1_MouseMove(1, 0, roll(300), 3); break;
        case 9:
            if (chance(400)) // closes the program
                r.Label4_Click();
            break;
        default: press(r.Command6, &frmRara::Command6_Click); break;
        }
    }

    std::string typedLine()
    {
        const kx::GameState& s = game_.state;
        const kx::ServerRecord& server = game_.ConnectedServer();
        std::string database = garbage();
        for (const kx::ServerFile& file : s.ServerFiles)
            if (file.IsPaymentDatabase && !chance(5))
                database = file.Name;
        const std::string limit = std::to_string(server.MaxPayment + roll(3) - 1);
        const std::string payment = "write " + database + " " + (chance(2) ? limit : amount()) + " ";
        // Half the time the line a player who knows the answers would type next.
        if (chance(2) && !s.Disconnected)
            return s.AwaitingName ? server.UserName : s.AwaitingPassword ? server.Password : payment + "3";
        switch (roll(8)) {
        case 0: return server.UserName;
        case 1: return server.Password;
        case 2: return pick({"prgmname", "prgmpass", "help", "selhelp", "cls", "dir", "", "PRGMNAME"});
        case 3: return "read " + pick({"1", "10", "0", "11", "2.5", "-1", "1e9", "x", ""});
        case 4: return s.UserNamePool[1 + roll(kx::kPoolSize)];
        case 5: return garbage();
        default: return payment + pick({"0", "1", "7", "12", "-1", "2.5", "1e9", "99999999999", "", "3 4"});
        }
    }

    void onTerminal(kx::frmTerminal& t)
    {
        switch (roll(8)) {
        case 0: t.Command1_Click(); break;
        case 1: t.Command3_Click(); break;
        case 2: chance(3) ? t.Label4_Click() : t.Command4_Click(); break;
        case 3: t.Term_MouseDown(roll(19) - 1, 1 + roll(2), roll(2), 0, 0); break;
        default: t.Text1.Text = typedLine(), t.Text1_KeyPress(13); break;
        }
    }

    // The shop, the top ten or the credits; false when none is open.
    bool onOthers()
    {
        // One click a step: a click that lets events run may take the window away.
        if (auto* shop = game_.find<kx::frmShop>()) {
            using S = kx::frmShop;
            static constexpr void (S::*clicks[])() = {&S::Command1_Click, &S::Command2_Click,
                                                      &S::Label9_Click};
            const int k = roll(5);
            k < 3 ? (shop->*clicks[k])()
                  : k == 3 ? shop->ListView1_ItemClick(1 + roll(4)) : shop->ListView2_ItemClick(1 + roll(4));
        } else if (auto* scores = game_.find<kx::frmScorelist>()) {
            chance(2) ? scores->Command1_Click() : scores->Command2_Click();
        } else if (auto* credits = game_.find<kx::frmCredits>()) {
            credits->Command1_Click();
        } else {
            return false;
        }
        return true;
    }

    std::mt19937_64 dice_;
    FakePlatform platform_;
    kx::ClockMixedRandom random_;
    kx::Game game_{platform_, random_};
    fs::path games_; // where this game saves, loads and finds odd files
    int depth_ = 0; // actions under way: a click while the game waits is one more
    bool lost_ = false;
};

} // namespace

int PlayGame(std::uint64_t seed, int maxSteps) { return Player(seed).play(maxSteps); }

} // namespace kxsoak
