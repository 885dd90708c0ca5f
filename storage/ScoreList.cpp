#include "ScoreList.h"

#include "EntryFile.h"
#include "Scramble.h"
#include "core/Game.h"
#include "core/Numbers.h"

#include <algorithm>

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
    const std::optional<double> score =
        ReadNumberText(Scramble(value.substr(split + kSeparator.size()), kScrambleKey, false));
    if (!score)
        return std::nullopt;
    return Score{Scramble(value.substr(0, split), kScrambleKey, false), *score};
}

std::string placeValue(const Score& place)
{
    return Scramble(place.name, kScrambleKey, true) + kSeparator +
           Scramble(NumberText(place.score), kScrambleKey, true);
}

std::vector<std::string> placeKeys()
{
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < std::tuple_size_v<ScoreList>; ++i)
        keys.push_back(placeKey(i));
    return keys;
}

} // namespace

ScoreList ReadScores(const fs::path& file)
{
    ScoreList scores;
    const std::vector<std::string> places = GetEntries(kSection, placeKeys(), file);
    for (std::size_t i = 0; i < scores.size(); ++i)
        scores[i] = readPlace(places[i]);
    return scores;
}

std::error_code WriteScores(const ScoreList& scores, const fs::path& file, const WriteStepCheck& check)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::size_t i = scores.size(); i-- > 0;) {
        const auto& place = scores[i];
        entries.emplace_back(placeKey(i), place ? placeValue(*place) : "");
    }
    return PutEntries(kSection, entries, file, {}, check);
}

Ranking RankInFile(const Score& game, const fs::path& from, const fs::path& to, const WriteStepCheck& check)
{
    std::vector<std::string> places = GetEntries(kSection, placeKeys(), from);
    const auto beaten = std::ranges::find_if(places, [&game](const std::string& place) {
        const std::optional<Score> held = readPlace(place);
        return game.score >= (held ? held->score : 0);
    });
    if (beaten == places.end())
        return {};
    const auto place = beaten - places.begin();
    std::vector<std::string> moved(beaten, places.end() - 1);
    moved.insert(moved.begin(), placeValue(game));
    // From the bottom up, so that places missing from the file come in order.
    std::vector<std::pair<std::string, std::string>> changed;
    for (auto i = static_cast<std::ptrdiff_t>(places.size()); i-- > place;)
        if (moved[i - place] != places[i])
            changed.emplace_back(placeKey(i), moved[i - place]);
    return {static_cast<int>(place) + 1, PutEntriesInto(kSection, changed, from, to, check)};
}

bool AliasKeepsInFiles(const std::string& alias)
{
    const std::string kept = Scramble(alias, kScrambleKey, true);
    return !kept.empty() && kept.find_first_of("\r\n[]") == std::string::npos && kept.front() != ' ' &&
           kept.back() != ' ' && kept.find(kSeparator) == std::string::npos;
}

} // namespace kx
