#include "support/Files.h"
#include "support/GameFixture.h"

#include "storage/EntryFile.h"
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

std::vector<double> scoresIn(const std::filesystem::path& file)
{
    std::vector<double> scores;
    for (const auto& place : kx::ReadScores(file))
        if (place)
            scores.push_back(place->score);
    return scores;
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
    const ScratchFolder scratch;
    const auto file = scratch.path() / "scorelist.ehf";
    for (const auto& row : rows) {
        ASSERT_FALSE(kx::WriteScores(list(row.before), file));
        EXPECT_EQ(kx::RankInFile({"new", row.score}, file, file).place, row.place) << row.score;
        EXPECT_EQ(scoresIn(file), row.after) << row.score;
    }
    kx::ScoreList scores = list({1234.5, 4400});
    scores[0]->name = "Ne=o [x]";
    ASSERT_FALSE(kx::WriteScores(scores, file));
    EXPECT_EQ(kx::ReadScores(file), scores);
    ASSERT_FALSE(kx::PutEntry("ScoreSheet", "name2", "no separator", file));
    EXPECT_EQ(kx::ReadScores(file)[1], std::nullopt) << "a damaged place is an empty one";
}

// A place the game cannot read is never emptied by a ranking: only the places
// the game and those below it move to are written, every other line is kept
// byte for byte, and the damaged one moves down whole.  The game's own copy of
// a list that came with the program is written beside it.
TEST(ScoreList, ARankingKeepsEveryLineItDoesNotChange)
{
    const ScratchFolder scratch;
    const auto shipped = scratch.path() / "shipped.ehf", kept = scratch.path() / "kept.ehf";
    const auto place = [](const std::string& name, const std::string& score) {
        return kx::Scramble(name, "qelvun", true) + "\xFF\xFE\xFF" + kx::Scramble(score, "qelvun", true);
    };
    const std::string header = "; kept by hand\r\n[ScoreSheet]\r\n", first = "NAME1=" + place("Ann", "1234.5") + "  \r\n";
    WriteBytes(shipped, header + first + "name2=" + place("Bob", "12x4") + "\r\nname3=" + place("Cy", "7") + "\r\n");
    const kx::Ranking ranking = kx::RankInFile({"neo", 100}, shipped, kept);
    EXPECT_EQ(ranking.place, 2);
    EXPECT_FALSE(ranking.error);
    // A place the file lacks goes right after the header, as any new entry does.
    EXPECT_EQ(FileBytes(kept), header + "name4=" + place("Cy", "7") + "\r\n" + first + "name2=" + place("neo", "100") +
                                   "\r\nname3=" + place("Bob", "12x4") + "\r\n");
    EXPECT_EQ(scoresIn(shipped), (std::vector<double>{1234.5, 7})) << "the program's own list is left alone";
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

} // namespace
} // namespace kxtest
