#include "support/GameFixture.h"

#include "core/Records.h"
#include "economy/frmFinance.h"
#include "records/frmLedger.h"
#include "records/frmMessages.h"

namespace kxtest {
namespace {

using Lines = std::vector<std::string>;

class Records : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    // Each row of a list view as its cells joined by "|".
    static Lines rows(const kx::ListView& list)
    {
        Lines out;
        for (const auto& item : list.items) {
            std::string row = item.text;
            for (const auto& sub : item.subItems)
                row += "|" + sub.text;
            out.push_back(row);
        }
        return out;
    }
    template <typename Form> Form& open(const std::string& item)
    {
        platform.menuChoices = {item};
        run([&] { rara().Command7_Click(); });
        return window<Form>();
    }
};

// Every message is kept from the welcome on, with its day and its answer; the
// window lists them newest first and keeps the chosen one while others arrive.
TEST_F(Records, TheLogKeepsEveryMessageNewestFirstUpToItsBound)
{
    kx::frmMessages& log = open<kx::frmMessages>("mnuMessages");
    EXPECT_EQ(rows(log.ListView1), Lines{"1|Welcome to Kestrix. You're starting with a debt of $4,000...|Okay"});
    EXPECT_TRUE(log.Text1.Text.starts_with("Welcome to Kestrix.  You're starting")) << "shown whole";
    state().DayCount = 4;
    platform.pagerPresses = {No};
    run([&] { game.ShowPager("Want it?", true); });
    run([&] { game.ShowPager("wassup!!    -spitfire", false, "Ummm..."); });
    EXPECT_EQ(rows(log.ListView1).front(), "4|wassup!! -spitfire|Ummm...");
    EXPECT_EQ(rows(log.ListView1).at(1), "4|Want it?|No");
    EXPECT_EQ(log.Text1.Text, "wassup!!    -spitfire") << "the newest until one is chosen";
    run([&] { log.ListView1_ItemClick(2); });
    run([&] { game.ShowPager("later", false); });
    EXPECT_EQ(log.ListView1.selected, 3);
    EXPECT_EQ(log.Text1.Text, "Want it?");
    run([&] { log.Command1_Click(); });
    EXPECT_EQ(platform.clipboard, "Want it?");

    for (int i = 0; i < 600; ++i)
        kx::RecordMessage(state(), std::to_string(i), "Okay");
    ASSERT_EQ(state().PagerLog.size(), kx::kMessagesKept);
    EXPECT_EQ(state().PagerLog.front().Text, "100");
    platform.inputAnswers = {"trinity"};
    run([&] { game.RestartGame(); });
    ASSERT_EQ(state().PagerLog.size(), 1u) << "a new game starts its own log";
    EXPECT_TRUE(state().PagerLog[0].Text.starts_with("Welcome"));
}

// A row per day with the money as the day ended and what happened in it; the
// window follows the game while it is open.
TEST_F(Records, TheLedgerKeepsADayPerRowWithItsEvents)
{
    kx::frmLedger& ledger = open<kx::frmLedger>("mnuLedger");
    EXPECT_EQ(rows(ledger.ListView1), Lines{"1|$2,000|$4,000|$0|"});
    platform.inputAnswers = {"1500"};
    run([&] { game.load<kx::frmFinance>().Command2_Click(); });
    scriptQuietDay();
    run([&] { rara().Command6_Click(); });
    EXPECT_EQ(rows(ledger.ListView1), (Lines{"1|$3,500|$5,500|$0|Borrowed $1,500", "2|$3,500|$6,050|$0|"}));
    state().Funds = -5;
    platform.pagerPresses = {Okay, No};
    run([&] { game.RefreshStatus(); });
    EXPECT_EQ(rows(ledger.ListView1).back(), "2|$-5|$6,050|$0|");
    ASSERT_EQ(ledger.Chart1.series.size(), 3u);
    EXPECT_EQ(ledger.Chart1.series[1].name, "Debt");
    EXPECT_EQ(ledger.Chart1.series[1].points, (std::vector<kx::Chart::Point>{{1, 5500}, {2, 6050}}));
    EXPECT_EQ(ledger.Caption(), "Game Over") << "a lost game shows its ending";
    EXPECT_EQ(ledger.Label1.Caption,
              "Game over on day 2.  Your score is the cash on hand, $-5: not in the top ten.");
    EXPECT_EQ(platform.messageTexts().back(), "Would you like to start a new game?");
}

} // namespace
} // namespace kxtest
