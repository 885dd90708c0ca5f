#include "support/Files.h"
#include "support/GameFixture.h"

#include "storage/EntryFile.h"
#include "storage/KeptFiles.h"
#include "storage/ScoreList.h"
#include "storage/Scramble.h"

namespace kxtest {
namespace {

kx::ScoreList list(const std::vector<double>& scores)
{
    kx::ScoreList places;
    for (std::size_t i = 0; i < scores.size(); ++i)
        places[i] = kx::Score{"p" + std::to_string(i + 1), scores[i]};
    return places;
}

// A game goes in at the first place it equals or beats and pushes the rest
// down; an empty place is beaten by any score of 0 or more.
TEST(ScoreList, RanksByInsertingAndKeepsTheFileReadable)
{
    const std::vector<double> full{9000, 7000, 7000, 5000, 4000, 3000, 2000, 1000, 500, 0};
    const struct { std::vector<double> before; double score; std::optional<int> place; std::vector<double> after; } rows[] = {
        {full, 7000, 2, {9000, 7000, 7000, 7000, 5000, 4000, 3000, 2000, 1000, 500}},
        {full, 8000, 2, {9000, 8000, 7000, 7000, 5000, 4000, 3000, 2000, 1000, 500}},
        {full, -1, std::nullopt, full},
        {{300, 200}, 0, 3, {300, 200, 0}},
        {{}, -0.5, std::nullopt, {}}};
    for (const auto& row : rows) {
        kx::ScoreList scores = list(row.before);
        EXPECT_EQ(kx::RankScore(scores, {"new", row.score}), row.place) << row.score;
        std::vector<double> after;
        for (const auto& place : scores)
            if (place)
                after.push_back(place->score);
        EXPECT_EQ(after, row.after) << row.score;
    }
    const ScratchFolder scratch;
    const auto file = scratch.path() / "scorelist.ehf";
    kx::ScoreList scores = list({1234.5, 4400});
    scores[0]->name = "Ne=o [x]";
    ASSERT_FALSE(kx::WriteScores(scores, file));
    EXPECT_EQ(kx::ReadScores(file), scores);
    ASSERT_FALSE(kx::PutEntry("ScoreSheet", "name2", "no separator", file));
    EXPECT_EQ(kx::ReadScores(file)[1], std::nullopt) << "a damaged place is an empty one";
}

// Every alias the prompt takes comes back whole from the files: a saved
// game's entry and a place in the top ten.
TEST(ScoreList, EveryAcceptedAliasSurvivesTheFiles)
{
    const ScratchFolder scratch;
    const auto& folder = scratch.path();
    std::vector<std::string> kept;
    int refused = 0;
    for (int code = 1; code <= 255; ++code) {
        for (std::size_t at = 0; at < 6; ++at) { // under each letter of the scrambling key
            std::string alias = "abcdef";
            alias[at] = static_cast<char>(code);
            kx::AliasKeepsInFiles(alias) ? kept.push_back(alias) : void(++refused);
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, 60);
    std::string saved = "[game]\r\n";
    for (std::size_t i = 0; i < kept.size(); ++i)
        saved += "a" + std::to_string(i) + "=" + kx::Scramble(kept[i], "qelvun", true) + "\r\n";
    WriteBytes(folder / "saved.kxg", saved);
    for (std::size_t i = 0; i < kept.size(); i += 10) {
        kx::ScoreList scores;
        for (std::size_t j = 0; j < 10 && i + j < kept.size(); ++j)
            scores[j] = kx::Score{kept[i + j], 1};
        ASSERT_FALSE(kx::WriteScores(scores, folder / "scores.ehf"));
        EXPECT_EQ(kx::ReadScores(folder / "scores.ehf"), scores) << i;
    }
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(kx::Scramble(kx::GetEntry("game", "a" + std::to_string(i), folder / "saved.kxg"), "qelvun",
                               false), kept[i]) << i;
}

// The final day ranks the game once and finishes it; other days only offer a new game.
TEST_F(GameFixture, AFinishedGameIsRankedOnceAndChangesNoMore)
{
    startGame();
    state().DayCount = 29;
    platform.pagerPresses = {No};
    run([&] { game.EndGame(); });
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"Would you like to start a new game?"});
    EXPECT_TRUE(rara().Command6.Enabled);
    state().DayCount = 30;
    state().Funds = 5000;
    run([&] { rara().Command1_Click(); });
    platform.clearRecords();
    for (int i = 0; i < 2; ++i)
        run([&] { rara().Command6_Click(); });
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"You have a position in the high score list."});
    EXPECT_EQ(kx::ReadScores(kx::KeptFileToRead(game, kx::kScoreFileName))[0], (kx::Score{"neo", 5000}));
    EXPECT_EQ(terminalWindow(), nullptr);
    for (const kx::Button* b : {&rara().Command1, &rara().Command3, &rara().Command4, &rara().Command6})
        EXPECT_FALSE(b->Enabled) << b->Caption;
    EXPECT_TRUE(rara().Command5.Enabled && rara().Command7.Enabled);
}

} // namespace
} // namespace kxtest
