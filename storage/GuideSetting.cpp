#include "GuideSetting.h"

#include "KeptFiles.h"
#include "Settings.h"
#include "Skins.h"

#include <filesystem>

namespace kx {

namespace {

const char* const kFileName = "guide.ehf";
const char* const kSection = "Guide";
const char* const kKey = "Shown";

} // namespace

bool GuideWanted(Game& game)
{
    const std::string kept = ReadSetting(kSection, kKey, KeptFileToRead(game, kFileName));
    if (!kept.empty())
        return kept == "1";
    std::error_code error;
    if (std::filesystem::exists(KeptFileToRead(game, kSkinSettingsName), error))
        return false;
    KeepGuideWanted(game, true);
    return true;
}

std::error_code KeepGuideWanted(Game& game, bool wanted)
{
    return WriteSetting(kSection, kKey, wanted ? "1" : "0", KeptFileToWrite(game, kFileName));
}

} // namespace kx
