#include "support/GameFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <set>
#include <utility>
#include <vector>

namespace kxtest {
namespace {

using Draws = std::vector<std::pair<int, int>>; // Random(n) gives k, in order

const std::string br(1, kx::kLineBreak);
std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    for (auto line : text | std::views::split(kx::kLineBreak))
        out.emplace_back(line.begin(), line.end());
    return out;
}

bool isBlank(const kx::ServerFile& f)
{
    return f.Reserved == 0 && f.Text.empty() && f.Name.empty() && !f.IsHintFile &&
           !f.IsPaymentDatabase;
}

// Connected to server 5, "Bank of Boston", whose limit is 1201; three files exist.
class ServerFiles : public GameFixture {
protected:
    void SetUp() override
    {
        game.FillWordPools();
        game.GenerateServers();
        state().ServerIndex = 5;
        state().CurrentServerName = state().Server[5].Name;
        state().Server[5].MaxPayment = 1201;
        state().Alias = "neo";
        const char* names[] = {"payments.dtb", "maxpay.txt", "crap.abz"};
        for (int i = 1; i <= 3; ++i)
            state().ServerFiles[i].Name = names[i - 1];
        state().FileCount = 3;
    }
    void script(const Draws& draws)
    {
        for (auto [n, k] : draws)
            random.pushRandom(n, k);
    }
};

enum class Maker { Hint, File, Note, Stem };

struct Made {
    Maker maker;
    Draws draws;
    std::string text, name = "";
    int limit = 1201;
    friend std::ostream& operator<<(std::ostream& out, const Made& m)
    {
        return out << "kind " << m.draws.front().second << " " << m.name;
    }
};

class Scripted : public ServerFiles, public ::testing::WithParamInterface<Made> {};

TEST_P(Scripted, DrawsInTextOrderGiveTheExactText)
{
    const Made& m = GetParam();
    state().Server[5].MaxPayment = static_cast<std::int16_t>(m.limit);
    script(m.draws);
    switch (m.maker) {
    case Maker::Hint: EXPECT_EQ(game.MakeHintFile(4), m.text); break;
    case Maker::File: EXPECT_EQ(game.MakeOrdinaryFile(4), m.text); break;
    case Maker::Note: EXPECT_EQ(game.ServerNote(), m.text); break;
    case Maker::Stem: EXPECT_EQ(game.RandomFileStem(), m.text); break;
    }
    if (!m.name.empty()) {
        EXPECT_EQ(state().ServerFiles[4].Name, m.name);
    }
    EXPECT_EQ(random.pending(), 0u) << "every scripted draw is used";
}

INSTANTIATE_TEST_SUITE_P(HintFiles, Scripted, ::testing::Values(
    Made{Maker::Hint, {{10, 1}, {20, 1}, {99, 5}},
         "Check sent to Bank of Boston for 1201 U.S. dollars.", "payment.txt"},
    Made{Maker::Hint, {{10, 2}, {20, 16}, {99, 99}},
         "Check sent to Toystack.com for 1201 U.S. dollars.", "+expenselist.lis"},
    Made{Maker::Hint, {{10, 3}, {20, 19}, {99, 1}},
         "Check sent to Brightwave.com for 1201 U.S. dollars.", "consumer.rpf"},
    Made{Maker::Hint, {{10, 4}, {20, 20}, {10, 10}},
         "Our current maximum payroll is $1201.  This was mostly sent to our holder.  The second "
         "most was only half as much.  Don't worry, we can get 1.0565 percent of it back :D",
         "employee_news_letter10.rpf"},
    Made{Maker::Hint, {{10, 5}, {20, 3}},
         "Payment list" + br + "$1201*" + br + "$325" + br + "$760" + br + "300.25", "maxpay.txt"},
    Made{Maker::Hint, {{10, 6}, {20, 10}}, "Max payment = $1201", "highprice.pad"},
    Made{Maker::Hint, {{10, 7}, {20, 2}}, "Current max payment is $1201", "payroll.asc"},
    Made{Maker::Hint, {{10, 8}, {20, 14}},
         "12/6/2026-Any outgoing payments over 1201 will need to be approved of sending."},
    Made{Maker::Hint, {{10, 9}, {20, 18}},
         "neo," + br + "server payments must be around 1201 if you don't want to get caught :]  "
         "take the advice for free." + br + blanks(14) + "-your buddy, tavrik"},
    Made{Maker::Hint, {{10, 10}, {20, 5}}, "Outgoing payments were 250 and 750.  They both went "
         "to the same company on the same day.", "check.ulr", 1000},
    Made{Maker::Hint, {{10, 10}, {20, 5}}, "Outgoing payments were 300.25 and 900.75.  They both "
         "went to the same company on the same day."}));

INSTANTIATE_TEST_SUITE_P(OrdinaryFiles, Scripted, ::testing::Values(
    Made{Maker::File, {{25, 1}, {70, 2}, {26, 1}, {26, 2}, {26, 26}, {50, 5}},
         "Data Base Entry: 12/6/2026" + br +
             "Check sent to Bank of Boston for 1201 for services rendered.", "crap.abz"},
    Made{Maker::File, {{25, 4}, {999, 42}, {50, 1}, {50, 2}},
         "Jake," + br + "  what do you mean no evidence?  you still have the negatives of him "
         "with no clothes on don't you?" + br + "Joe", "saved_mail42.smf"},
    Made{Maker::File, {{25, 9}, {26, 1}, {26, 1}, {26, 1}}, "12/6/2026/No connections", "log1.aaa"},
    Made{Maker::File, {{25, 10}, {26, 24}, {26, 25}, {26, 26}},
         "Connection to Bank of Boston at 3:04:24" + br +
             "Connection to Bank of Boston at 3:04:52" + br +
             "Connection to Bank of Boston at 3:05:31" + br +
             "Connection to Bank of Boston at 3:05:44" + br +
             "Connection to Bank of Boston at 3:06:10" + br +
             "Connection to Bank of Boston at 3:06:14" + br +
             "Connection to Bank of Boston at 3:06:35" + br, "log2.xyz"},
    Made{Maker::File, {{25, 13}},
         "for a = 1 to 32000" + br + "   connect ipaddress,a" + br + "   if state = 7 then" + br +
             "      print 'connection from ' & ipaddress & ' on port ' & a" + br + "   end if" +
             br + "next a", "trace.prj"},
    Made{Maker::File, {{25, 14}, {70, 64}, {999, 7}, {26, 5}, {26, 24}, {26, 5}}, "Error",
         "test7.exe"},
    Made{Maker::Stem, {{70, 1}, {999, 999}}, "doc999"},
    Made{Maker::Stem, {{70, 5}, {100, 1}}, "temp1"},
    Made{Maker::Stem, {{70, 19}}, "bank of boston"},
    Made{Maker::Stem, {{70, 50}}, "control"},
    Made{Maker::Stem, {{70, 60}, {100, 37}}, "backup37"},
    Made{Maker::Stem, {{70, 70}}, "top"}));

// Note files: 1 payments.dtb, 2 maxpay.txt, 3 crap.abz.
INSTANTIATE_TEST_SUITE_P(Notes, Scripted, ::testing::Values(
    Made{Maker::Note, {{10, 1}, {50, 1}, {50, 2}, {50, 38}, {50, 3}},
         "Hey Jake," + br + "     I updated some of the files on our network.  If you see the rest "
         "of the workers here, tell them.  Also, I just sent out a check to Joe Reed worth 1201 "
         "dollars for some things that were completed/added on the network." + br + br +
             blanks(39) + "-Mike"},
    Made{Maker::Note, {{10, 2}},
         "All network workers-" + br + "All payments will be withheld for one week, then sent out "
         "all on one day.  Only payments above 1201 U.S. doallars will be examined and signed, the "
         "rest don't need to be.  Also, due to server security  problems, please only send "
         "payments to people if they request it.  Otherwise, just send an email that states the "
         "delay.  Thanks :]"},
    Made{Maker::Note, {{10, 3}, {3, 1}, {50, 6}},
         "Welcome to the Bank of Boston network server." + br + "The file titled payments.dtb "
         "contains the highest payment to our current holder.  Please do not tamper with any "
         "checks being sent to the holder.  We've lost enough money from database errors as it "
         "is." + br + blanks(17) + "-Your Boss" + br + blanks(19) + "James"},
    Made{Maker::Note, {{10, 4}, {50, 1}, {3, 2}, {3, 2}, {50, 2}},
         "jake, don't edit the file maxpay.txt, it's charges were just updated last night.  i "
         "trust you and Joe will be able to hold back."},
    Made{Maker::Note,
         {{10, 5}, {3, 1}, {3, 2}, {3, 2}, {3, 3}, {3, 3}, {3, 3}, {3, 2}, {3, 1}, {3, 1}},
         "Recent File Updates:" + br + "payments.dtb" + br + "maxpay.txt" + br + "crap.abz" + br +
             "crap.abz"},
    Made{Maker::Note, {{10, 6}, {30, 30}, {50, 5}, {9, 9}, {300, 300}},
         "Connection completed successfully.  The server has been having problems lately :[  You "
         "should reconnect after about 30 minutes, you might need to reboot too if the server "
         "doesn't close down correctly.  If you have a problem, knock on my door." + br +
             "  Brian [Floor 9, Office #300]"},
    Made{Maker::Note, {{10, 7}, {50, 1}, {50, 2}},
         "Welcome back Jake," + br + "  I sent you an email while you were gone, it should be "
         "saved there unless Joe was using your computer again."},
    Made{Maker::Note, {{10, 8}}, "-=Bank of Boston Server=-"},
    Made{Maker::Note, {{10, 9}}, "Bank of Boston Main Server welcomes all employees."},
    Made{Maker::Note, {{10, 10}, {50, 1}}, "Jake, why do you keep connecting so much?  It slows "
         "our server down when you fool around with your name and password :\\"}));

TEST_F(ServerFiles, ProgramFilesShowTwoBlocksOfOneProgram)
{
    script({{25, 2}, {70, 3}});
    const std::string a = game.MakeOrdinaryFile(1);
    script({{25, 12}});
    const std::string b = game.MakeOrdinaryFile(2);
    script({{25, 15}, {70, 3}});
    EXPECT_EQ(game.MakeOrdinaryFile(3), b);
    EXPECT_EQ(state().ServerFiles[1].Name + state().ServerFiles[2].Name, "test.exetrace.exe");

    ASSERT_EQ(a.size(), 219u);
    EXPECT_EQ(a.substr(0, 42), "\xCD!This program cannot be run in DOS mode.$");
    EXPECT_EQ(b, a.substr(40));
    EXPECT_GE(lines(a).size(), 4u) << "prints as several lines";
    EXPECT_EQ(a.find('\0'), std::string::npos);
}

TEST_F(ServerFiles, AddressAndBannerPrintAsTheirLines)
{
    script({{25, 22}, {70, 3}, {26, 1}, {26, 1}, {26, 1}});
    const auto address = lines(game.MakeOrdinaryFile(1));
    ASSERT_EQ(address.size(), 3u);
    EXPECT_EQ(address[0], "Alden Vorne");

    script({{25, 25}, {70, 3}, {26, 1}, {26, 1}, {26, 1}});
    const auto banner = lines(game.MakeOrdinaryFile(1));
    ASSERT_EQ(banner.size(), 7u) << "a leading break, five lines each ending in a break";
    EXPECT_EQ(banner.front() + banner.back(), "");
    for (std::size_t i = 1; i <= 5; ++i) {
        EXPECT_LE(banner[i].size(), 51u) << "line " << i << " would wrap";
        EXPECT_EQ(banner[i].find_first_not_of(" ;,\xB4"), std::string::npos) << banner[i];
    }
}

// Connecting with nothing listed leaves ServerIndex at 0.
TEST_F(ServerFiles, WithoutAServerOnlyTextsQuotingItAreEmpty)
{
    state().ServerIndex = 0;
    script({{10, 6}, {20, 1}});
    EXPECT_EQ(game.MakeHintFile(2), "");
    EXPECT_EQ(state().ServerFiles[2].Name, "payment.txt") << "the name is drawn first";
    script({{70, 19}});
    EXPECT_EQ(game.RandomFileStem(), "");
    for (int kind : {1, 2, 3, 8, 9}) {
        random.pushRandom(10, kind);
        EXPECT_EQ(game.ServerNote(), "") << "note " << kind;
    }
    script({{10, 7}});
    EXPECT_NE(game.ServerNote(), "");
}

TEST_F(ServerFiles, DatabaseNamesAndEntries)
{
    const char* names[] = {"payments.dtb", "pymnts.dtb", "outgoing.dtb", "deals.dtb", "ssct.dtb"};
    for (int draw = 1; draw <= 5; ++draw) {
        random.pushRandom(5, draw);
        EXPECT_EQ(game.RandomDatabaseName(), names[draw - 1]);
    }
    script({{10, 2}, {50, 1}, {50, 38}, {100, 42}, {50, 18}, {50, 1}, {100, 100}});
    EXPECT_EQ(game.PaymentDatabaseText(), "Bank of Boston Payment Database file" + br + br +
                                              "J.  Reed ---------- $342" + br +
                                              "F.  Johnson ---------- $400" + br);
}

// Files 1 to 3 are payments.dtb, maxpay.txt, crap.abz.
TEST_F(ServerFiles, PickStopsAtTheFirstSlotItsDrawHitsElseTakesTheLast)
{
    const std::pair<std::vector<int>, std::string> picks[] = {
        {{1}, "payments.dtb"}, {{2, 2}, "maxpay.txt"}, {{3, 3, 3}, "crap.abz"},
        {{2, 1, 1}, "crap.abz"}};
    for (const auto& [draws, name] : picks) {
        for (int k : draws)
            random.pushRandom(3, k);
        const int before = random.draws;
        EXPECT_EQ(game.PickServerFile(), name);
        EXPECT_EQ(random.draws - before, static_cast<int>(draws.size())) << name;
    }
    state().FileCount = 0;
    EXPECT_EQ(game.PickServerFile(), "");
    for (int slot : {0, 11}) {
        game.MakeHintFile(slot);
        game.MakeOrdinaryFile(slot);
    }
    EXPECT_TRUE(isBlank(state().ServerFiles[0])) << "slots outside 1 to 10 are never named";
}

class TwoFiles : public ServerFiles, public ::testing::WithParamInterface<int> {};

TEST_P(TwoFiles, AreTheHintAndTheDatabaseInEitherOrder)
{
    for (kx::ServerFile& f : state().ServerFiles)
        f = {7, "old", "old.txt", true, true};
    const int hint = GetParam();
    script({{9, 1}, {2, hint}, {2, hint}, {2, hint}, {2, 3 - hint}});
    game.GenerateServerFiles();

    EXPECT_EQ(state().FileCount, 2);
    EXPECT_EQ(platform.eventRuns, 3) << "events run at each draw of the database slot";
    const kx::ServerFile& database = state().ServerFiles[3 - hint];
    EXPECT_TRUE(state().ServerFiles[hint].IsHintFile);
    EXPECT_FALSE(state().ServerFiles[hint].IsPaymentDatabase);
    EXPECT_TRUE(database.IsPaymentDatabase && !database.IsHintFile);
    EXPECT_EQ(lines(database.Text).front(), "Bank of Boston Payment Database file");
    for (int i : {0, 3, 4, 5, 6, 7, 8, 9, 10})
        EXPECT_TRUE(isBlank(state().ServerFiles[i])) << "slot " << i;
}

INSTANTIATE_TEST_SUITE_P(ServerFiles, TwoFiles, ::testing::Values(1, 2));

TEST_F(ServerFiles, EveryConnectionKeepsItsInvariants)
{
    std::set<int> counts, hintSlots, databaseSlots;
    for (int run = 0; run < 500; ++run) {
        game.GenerateServerFiles();
        const int count = static_cast<int>(state().FileCount);
        ASSERT_TRUE(count >= 2 && count <= 10) << count;
        counts.insert(count);
        std::vector<int> hints, databases;
        std::vector<std::string> names;
        for (int i = 1; i <= kx::kFileSlots; ++i) {
            const kx::ServerFile& f = state().ServerFiles[i];
            ASSERT_EQ(isBlank(f), i > count) << "slot " << i << " of " << count;
            ASSERT_EQ((f.Name + f.Text).find('\0'), std::string::npos) << f.Name;
            if (f.IsHintFile)
                hints.push_back(i);
            if (f.IsPaymentDatabase)
                databases.push_back(i);
            if (i <= count)
                names.push_back(f.Name);
        }
        ASSERT_EQ(hints.size(), 1u);
        ASSERT_EQ(databases.size(), 1u);
        ASSERT_NE(hints[0], databases[0]);
        hintSlots.insert(hints[0]);
        databaseSlots.insert(databases[0]);

        const auto rows = lines(state().ServerFiles[databases[0]].Text);
        ASSERT_TRUE(rows.size() >= 4 && rows.size() <= 13) << "1 to 10 entries";
        ASSERT_EQ(rows[1] + rows.back(), "");
        for (std::size_t r = 2; r + 1 < rows.size(); ++r) {
            const std::string& row = rows[r]; // "J.  Reed ---------- $342"
            const auto rule = row.find(" ---------- $");
            ASSERT_TRUE(row.substr(1, 3) == ".  " && rule > 4 && row.size() == rule + 16) << row;
            const int amount = std::stoi(row.substr(rule + 13));
            ASSERT_TRUE(amount >= 301 && amount <= 400) << row;
        }
        for (int p = 0; count == 10 && p < 20; ++p) {
            const std::string name = game.PickServerFile();
            ASSERT_FALSE(name.empty());
            ASSERT_NE(std::ranges::find(names, name), names.end()) << name;
        }
    }
    EXPECT_EQ(counts.size(), 9u);
    EXPECT_EQ(hintSlots.size(), 10u);
    EXPECT_EQ(databaseSlots.size(), 10u);
}

} // namespace
} // namespace kxtest
