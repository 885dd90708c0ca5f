// The top ten of any file: every place is empty or holds a finite score, and
// the list written back reads the same, each score as its text keeps it; a
// refused write leaves the file as it was.  A game ranked into it takes its
// place, the places above stay and those below move down one.  The input is
// the file.
#include "Fuzzing.h"
#include "storage/ScoreList.h"

#include <cmath>
#include <vector>

using namespace kxfuzz;

namespace {

// The places as the list shows them, the scores in their written form.
std::vector<std::string> shown(const kx::ScoreList& scores)
{
    std::vector<std::string> places;
    for (const auto& place : scores)
        places.push_back(place ? place->name + '\0' + kx::NumberText(place->score) : "(empty)");
    return places;
}

void requireRanking(const std::filesystem::path& file, const kx::ScoreList& before)
{
    static const ScratchFile ranked("ranked.ehf");
    std::filesystem::remove(ranked.path());
    const kx::Score game{"neo", 500};
    const kx::Ranking ranking = kx::RankInFile(game, file, ranked.path());
    if (!ranking.place || ranking.error)
        return;
    const std::vector<std::string> was = shown(before), now = shown(kx::ReadScores(ranked.path()));
    const auto place = static_cast<std::size_t>(*ranking.place - 1);
    Require(now[place] == shown({game})[0], "the game takes its place");
    for (std::size_t i = 0; i < now.size(); ++i)
        Require(i == place || now[i] == was[i < place ? i : i - 1], "the places above stay and those below move down one");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch(kx::kScoreFileName);
    const std::string bytes(AsText(data, size));
    scratch.write(bytes);
    const kx::ScoreList scores = kx::ReadScores(scratch.path());
    for (const auto& place : scores)
        Require(!place || std::isfinite(place->score), "a place holds a finite score");
    requireRanking(scratch.path(), scores);
    const std::error_code error = kx::WriteScores(scores, scratch.path());
    Require(scratch.alone(), "no temporary file is left");
    Require(!error || scratch.read() == bytes, "a refused list leaves the file as it was");
    Require(error || shown(kx::ReadScores(scratch.path())) == shown(scores), "the list written reads back");
    return 0;
}
