#include "ScoreList.h"

#include "EntryFile.h"
#include "Scramble.h"
#include "core/Game.h"
#include "core/Numbers.h"

#include <cmath>
#include <cstdlib>

namespace kx {

namespace {

namespace fs = std::filesystem;

const char* const kSection = "ScoreSheet";
const char* const kScrambleKey = "qelvun";
const std::string kSeparator = "\xFF\xFE\xFF";

std::string placeKey(std::size_t i) { return "name" + std::to_string(i + 1); }

std::optional<Score> readPlace(const std::string& value)
{
    const std::size_t split = value.find(kSeparator);
    if (split == std::string::npos)
        return std::nullopt;
    const std::string score = Scramble(value.substr(split + kSeparator.size()), kScrambleKey, false);
    char* end = nullptr;
    const double number = std::strtod(score.c_str(), &end);
    if (score.empty() || *end != '\0' || !std::isfinite(number))
        return std::nullopt;
    return Score{Scramble(value.substr(0, split), kScrambleKey, false), number};
}

} // namespace

ScoreList ReadScores(const fs::path& file)
{
    ScoreList scores;
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < scores.size(); ++i)
        keys.push_back(placeKey(i));
    const std::vector<std::string> places = GetEntries(kSection, keys, file);
    for (std::size_t i = 0; i < scores.size(); ++i)
        scores[i] = readPlace(places[i]);
    return scores;
}

std::error_code WriteScores(const ScoreList& scores, const fs::path& file, const WriteStepCheck& check)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::size_t i = scores.size(); i-- > 0;) {
        const auto& place = scores[i];
        entries.emplace_back(placeKey(i), place ? Scramble(place->name, kScrambleKey, true) + kSeparator +
                                                      Scramble(NumberText(place->score), kScrambleKey, true)
                                                : "");
    }
    return PutEntries(kSection, entries, file, {}, check);
}

std::optional<int> RankScore(ScoreList& scores, const Score& game)
{
    for (std::size_t i = 0; i < scores.size(); ++i) {
        if (game.score >= (scores[i] ? scores[i]->score : 0)) {
            std::move_backward(scores.begin() + static_cast<std::ptrdiff_t>(i), scores.end() - 1, scores.end());
            scores[i] = game;
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

bool AliasKeepsInFiles(const std::string& alias)
{
    const std::string kept = Scramble(alias, kScrambleKey, true);
    return !kept.empty() && kept.find_first_of("\r\n[]") == std::string::npos && kept.front() != ' ' &&
           kept.back() != ' ' && kept.find(kSeparator) == std::string::npos;
}

} // namespace kx
