#include "support/Files.h"
#include "support/GameFixture.h"

#include "economy/frmShop.h"
#include "storage/KeptFiles.h"
#include "storage/ScoreList.h"
#include "storage/Scramble.h"
#include "records/frmLedger.h"
#include "storage/frmScorelist.h"

namespace kxtest {
namespace {

class EndGame : public GameFixture {
protected:
    void SetUp() override { startGame(); }
};

// A top ten written on any system shows every game it holds, with a decimal
// point or a comma, in whatever locale the game runs; a game ranked below
// them keeps them all.
TEST_F(EndGame, TheTopTenShowsEveryGameItHoldsAndARankingKeepsThem)
{
    const auto place = [](const std::string& name, const std::string& score) {
        return kx::Scramble(name, "qelvun", true) + "\xFF\xFE\xFF" + kx::Scramble(score, "qelvun", true);
    };
    WriteBytes(kx::KeptFileToWrite(game, kx::kScoreFileName),
               "[ScoreSheet]\r\nname1=" + place("Ann", "1234.5") + "\r\nname2=" + place("Bob", "7") +
                   "\r\nname3=" + place("Cy", "2,5") + "\r\n");
    const auto shown = [&] {
        std::vector<std::string> rows;
        for (const auto& item : game.load<kx::frmScorelist>().ListView1.items)
            if (!item.text.empty())
                rows.push_back(item.text + " " + item.subItems.at(0).text);
        return rows;
    };
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann $1,234.5", "Bob $7", "Cy $2.5"}));
    state().DayCount = 30;
    state().Funds = 5;
    run([&] { game.EndGame(); });
    EXPECT_EQ(window<kx::frmScorelist>().ListView1.selected, 3) << "the game's own row stands chosen";
    EXPECT_EQ(window<kx::frmLedger>().Label1.Caption,
              "The thirty days are over.  Your score is the cash on hand, $5: place 3 in the top ten.");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann $1,234.5", "Bob $7", "neo $5", "Cy $2.5"}));
}

// The final day ranks the game once and finishes it; other days only offer a new game.
TEST_F(EndGame, AFinishedGameIsRankedOnceAndChangesNoMore)
{
    state().DayCount = 29;
    platform.pagerPresses = {No};
    run([&] { game.EndGame(); });
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"Would you like to start a new game?"});
    EXPECT_TRUE(rara().Command6.Enabled);
    EXPECT_EQ(game.find<kx::frmScorelist>(), nullptr) << "a lost game is not ranked";
    state().DayCount = 30;
    state().Funds = 5000;
    run([&] { rara().Command1_Click(); });
    run([&] { game.load<kx::frmShop>(); });
    platform.clearRecords();
    for (int i = 0; i < 2; ++i)
        run([&] { rara().Command6_Click(); });
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"You have a position in the high score list."});
    EXPECT_EQ(kx::ReadScores(kx::KeptFileToRead(game, kx::kScoreFileName))[0], (kx::Score{"neo", 5000}));
    EXPECT_EQ(terminalWindow(), nullptr);
    EXPECT_EQ(game.find<kx::frmShop>(), nullptr) << "an open shop would still buy and sell";
    for (const kx::Button* b : {&rara().Command1, &rara().Command3, &rara().Command4, &rara().Command6})
        EXPECT_FALSE(b->Enabled) << b->Caption;
    EXPECT_TRUE(rara().Command5.Enabled && rara().Command7.Enabled);
}

} // namespace
} // namespace kxtest
