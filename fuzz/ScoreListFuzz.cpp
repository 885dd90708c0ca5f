// The top ten of any file: every place is empty or holds a finite score, and
// the list written back reads the same, each score as its text keeps it; a
// refused write leaves the file as it was.  The input is the file.
#include "Require.h"
#include "ScratchFile.h"
#include "core/Numbers.h"
#include "storage/ScoreList.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// The places as the list shows them, the scores in their written form.
std::vector<std::string> shown(const kx::ScoreList& scores)
{
    std::vector<std::string> places;
    for (const auto& place : scores)
        places.push_back(place ? place->name + " $" + kx::NumberText(place->score) : "(empty)");
    return places;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kxfuzz::ScratchFile scratch(kx::kScoreFileName);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    scratch.write(bytes);
    const kx::ScoreList scores = kx::ReadScores(scratch.path());
    using kxfuzz::Require;
    for (const auto& place : scores)
        Require(!place || std::isfinite(place->score), "a place holds a finite score");
    const std::error_code error = kx::WriteScores(scores, scratch.path());
    Require(scratch.filesInFolder() == 1, "no temporary file is left");
    if (error)
        Require(scratch.read() == bytes, "a refused list leaves the file as it was");
    else
        Require(shown(kx::ReadScores(scratch.path())) == shown(scores), "the list written reads back");
    return 0;
}
