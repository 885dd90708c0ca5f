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
// Puts the game in the first place its score equals or beats (an empty place
// is beaten by any score of 0 or more); the games below move down one and the
// tenth drops out.  The place, from 1, or nothing when it beats none.
std::optional<int> RankScore(ScoreList& scores, const Score& game);
// Whether the alias comes back unchanged from the saved-game and score files;
// some bytes scramble into line breaks, brackets or blanks at the ends.
bool AliasKeepsInFiles(const std::string& alias);

} // namespace kx
