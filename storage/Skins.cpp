#include "Skins.h"

#include "KeptFiles.h"
#include "Settings.h"
#include "core/Game.h"
#include "core/frmRara.h"

#include <array>
#include <utility>

namespace kx {

namespace {

namespace fs = std::filesystem;

const char* const kSection = "Kestrix";
const char* const kKey = "SkinFolder";

// Each picture of a skin and the main window's holder it goes into, in the
// order they load.
std::array<std::pair<const char*, Image*>, 8> holders(frmRara& rara)
{
    return {{{"main.jpg", &rara.Picture},
             {"mview.jpg", &rara.Picture1.Picture},
             {"servback.jpg", &rara.picServer.Picture},
             {"popup.jpg", &rara.picPopUp.Picture},
             {"pview.jpg", &rara.picPopView.Picture},
             {"finance.jpg", &rara.picFinance.Picture},
             {"shop.jpg", &rara.picShop.Picture},
             {"scorelist.jpg", &rara.picScorelist.Picture}}};
}

// A picture that is missing or cannot be decoded leaves its holder as it was.
void loadPictures(Game& game, bool withShop)
{
    frmRara* rara = game.find<frmRara>();
    if (!rara)
        return;
    for (const auto& [file, holder] : holders(*rara)) {
        if (!withShop && holder == &rara->picShop.Picture)
            continue;
        if (Image picture = game.platform().loadPicture(game.state.SkinFolder + "/" + file))
            *holder = std::move(picture);
    }
}

std::string description(const fs::path& file)
{
    const auto value = [&](const char* key) { return ReadSetting("SkinInfo", key, file); };
    const std::string gap(12, ' ');
    return "Skin Name:  " + value("Name") + gap + "Author:  " + value("Author") + gap + "Date:  " +
           value("Date") + gap + "Copyright:  " + value("CInfo") + gap + "Extra Info:  " + value("Info");
}

// Remembers the folder; a settings file gone since the start is written
// afresh with the program's folder, so the choice then lasts for this run.
std::error_code rememberFolder(Game& game, const WriteStepCheck& check)
{
    std::error_code error;
    const std::string folder = fs::exists(KeptFileToRead(game, kSkinSettingsName), error)
                                   ? game.state.SkinFolder
                                   : game.platform().programFolder();
    return WriteSetting(kSection, kKey, folder, KeptFileToWrite(game, kSkinSettingsName), check);
}

} // namespace

void StartSkin(Game& game)
{
    const fs::path settings = KeptFileToRead(game, kSkinSettingsName);
    std::error_code error;
    if (!fs::exists(settings, error)) {
        game.state.SkinFolder = game.platform().programFolder();
        WriteSetting(kSection, kKey, game.state.SkinFolder, KeptFileToWrite(game, kSkinSettingsName));
    } else {
        game.state.SkinFolder = ReadSetting(kSection, kKey, settings);
    }
    loadPictures(game, true);
}

void RefreshSkin(Game& game)
{
    loadPictures(game, true);
    game.RefreshStatus();
}

void ChooseSkinFolder(Game& game, const WriteStepCheck& check)
{
    Platform& platform = game.platform();
    const fs::path picked = platform.openFileDialog("Select a file from the skin's folder",
                                                    fs::path(platform.programFolder()) / "skins",
                                                    "Supported Skins (*.jpg)");
    if (picked.empty())
        return;
    game.state.SkinFolder = FolderOf(picked.string());
    const std::error_code error = rememberFolder(game, check);
    loadPictures(game, false);
    game.ShowPager(description(fs::path(game.state.SkinFolder) / "userskin.ehf"), false);
    if (error)
        game.ShowPager(WriteFailure("The skin folder cannot be remembered", error), false);
    game.RefreshStatus();
}

} // namespace kx
