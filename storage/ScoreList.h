#pragma once

#include "AtomicFile.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace kx {

// One place of the top ten; an empty place has no game.
struct Score {
    std::string name;
    double score = 0;
    bool operator==(const Score&) const = default;
};
using ScoreList = std::array<std::optional<Score>, 10>;

// The game's top ten, kept as a file of this name (see KeptFiles.h).
inline constexpr const char* kScoreFileName = "scorelist.ehf";
// What the player is told when the list could not be written.
inline constexpr const char* kScoresNotSaved = "The high score list cannot be saved";
// The ten places, best first; a missing file, entry or separator is an empty place.
ScoreList ReadScores(const std::filesystem::path& file);
// Rewrites all ten places at once; the old list stays whole until the new one is complete.
std::error_code WriteScores(const ScoreList& scores, const std::filesystem::path& file,
                            const WriteStepCheck& check = {});
// How a game was ranked: its place, from 1, or nothing when it beat none; and
// whether the list could not be written.
struct Ranking {
    std::optional<int> place;
    std::error_code error;
};
// Ranks the game in the list read from `from` and writes the list to `to`,
// the same file or the game's own copy of it.  The game takes the first place
// its score equals or beats (an empty place, or one that cannot be read, is
// beaten by any score of 0 or more); the places below move down one and the
// tenth drops out.  Only the lines of places that change are written; every
// other line stays as it was, so a place the game cannot read is never lost
// to a ranking below it.
Ranking RankInFile(const Score& game, const std::filesystem::path& from, const std::filesystem::path& to,
                   const WriteStepCheck& check = {});
// Whether the alias comes back unchanged from the saved-game and score files;
// some bytes scramble into line breaks, brackets or blanks at the ends.
bool AliasKeepsInFiles(const std::string& alias);

} // namespace kx
