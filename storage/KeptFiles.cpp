#include "KeptFiles.h"

#include "core/Game.h"

#include <fstream>

#include <locale.h>
#include <string.h>

namespace kx {

namespace fs = std::filesystem;

namespace {

bool writable(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return false;
    const fs::path probe = folder / ".kestrix-write-test";
    const bool ok = std::ofstream(probe).good();
    fs::remove(probe, error);
    return ok;
}

// The system's words for an error in English, the game's language.  Its own
// words follow the player's locale and come in UTF-8 on a German desktop,
// which the game's 8-bit texts would garble.
std::string englishWords(const std::error_code& error)
{
    if (error.category() != std::system_category() && error.category() != std::generic_category())
        return error.message();
    static const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t{});
    return english ? strerror_l(error.value(), english) : error.message();
}

fs::path keepingFolder(Platform& platform)
{
    const fs::path program(platform.programFolder());
    return platform.ownsProgramFolder() && writable(program) ? program : platform.dataFolder();
}

} // namespace

fs::path KeepingFolder(Game& game) { return keepingFolder(game.platform()); }

fs::path KeptFileToWrite(Game& game, const std::string& name) { return KeepingFolder(game) / name; }

std::string WriteFailure(const std::string& what, const std::error_code& error)
{
    return what + " --- Error " + std::to_string(error.value()) + ":  " + englishWords(error);
}

fs::path KeptFileToRead(Game& game, const std::string& name) { return KeptFileToRead(game.platform(), name); }

fs::path KeptFileToRead(Platform& platform, const std::string& name)
{
    const fs::path written = keepingFolder(platform) / name;
    std::error_code error;
    if (fs::exists(written, error))
        return written;
    return fs::path(platform.programFolder()) / name;
}

} // namespace kx
