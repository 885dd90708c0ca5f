#include "Skins.h"

#include "KeptFiles.h"
#include "Settings.h"
#include "WindowSize.h"
#include "core/Game.h"

#include <utility>

namespace kx {

namespace {

namespace fs = std::filesystem;

const char* const kSection = "Kestrix";
const char* const kKey = "SkinFolder";

// The pictures of a skin, in the order they load; "Set Folder" leaves the
// shop's as it was until "Refresh".  A skinned window takes its pictures from
// the skin table by these names.
struct SkinPicture {
    const char* file;
    bool onSetFolder = true;
};
constexpr SkinPicture kSkinPictures[] = {{"main.jpg"},    {"mview.jpg"},   {"servback.jpg"},
                                         {"popup.jpg"},   {"pview.jpg"},   {"finance.jpg"},
                                         {"shop.jpg", false}, {"scorelist.jpg"}, {"messages.jpg"},
                                         {"ledger.jpg"},    {"guide.jpg"}};

// A picture that is missing or cannot be decoded leaves the table's as it was.
// The main window shows the skin at once, the others when they next come forward.
void loadPictures(Game& game, bool withShop)
{
    for (const auto& [file, onSetFolder] : kSkinPictures) {
        if (!withShop && !onSetFolder)
            continue;
        if (Image picture = game.platform().loadPicture(game.state.SkinFolder + "/" + file))
            game.state.Skin.set(file, std::move(picture));
    }
    if (Window* main = game.find(WindowKind::Rara))
        main->Form_Activate();
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

std::error_code KeepWindowSize(Game& game, int percent)
{
    const fs::path settings = KeptFileToWrite(game, kSkinSettingsName);
    std::error_code error;
    if (!fs::exists(settings, error))
        error = WriteSetting(kSection, kKey, game.state.SkinFolder, settings);
    return error ? error : WriteWindowSize(percent, settings);
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
