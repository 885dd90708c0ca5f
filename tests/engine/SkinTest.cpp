#include "support/Files.h"
#include "support/GameFixture.h"

#include "economy/frmFinance.h"
#include "storage/Settings.h"

#include <fstream>

namespace kxtest {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class Skins : public GameFixture {
protected:
    // A skin folder with pictures of these names; an empty picture cannot be decoded.
    fs::path makeSkin(const std::string& name, const Lines& pictures, const Lines& broken = {})
    {
        const fs::path folder = platform.data / name;
        fs::create_directories(folder);
        for (const auto& picture : pictures)
            std::ofstream(folder / picture) << "picture";
        for (const auto& picture : broken)
            std::ofstream(folder / picture);
        return folder;
    }
    // Where the main window's pictures and the rest of the skin table came
    // from: the skin's name, or "-" for none.
    Lines held()
    {
        const kx::SkinTable& skin = state().Skin;
        Lines from;
        for (const kx::Image& picture : {rara().Picture, rara().Picture1.Picture, skin["servback.jpg"],
                                         skin["popup.jpg"], skin["pview.jpg"], skin["finance.jpg"],
                                         skin["shop.jpg"], skin["scorelist.jpg"]}) {
            const fs::path file = FakePlatform::fileOf(picture);
            from.push_back(file.empty() ? "-" : file.parent_path().filename().string());
        }
        return from;
    }
    void choose(const std::string& item)
    {
        platform.menuChoices = {item};
        run([this] { rara().Command7_Click(); });
    }
    const fs::path settings = platform.data / "skinfolder.ehf";
};

// The first start remembers the program's folder; a later one loads the skin
// the settings name.  "Set Folder" changes what the new folder has pictures
// for, all but the shop, whose picture waits for "Refresh"; the windows take
// their pictures as they open.
TEST_F(Skins, OnlyThePicturesThereChangeAndTheShopWaitsForRefresh)
{
    startGame();
    EXPECT_EQ(FileBytes(settings), "[Kestrix]\r\nSkinFolder=/kestrix\r\n");
    EXPECT_EQ(held(), Lines(8, "-"));

    const Lines all{"main.jpg", "mview.jpg", "servback.jpg", "popup.jpg", "pview.jpg", "finance.jpg", "shop.jpg",
                    "scorelist.jpg"};
    makeSkin("night", all);
    const fs::path day = makeSkin("day", {"main.jpg", "servback.jpg", "shop.jpg"}, {"popup.jpg"});
    ASSERT_FALSE(kx::WriteSetting("Kestrix", "SkinFolder", (platform.data / "night").string(), settings));
    platform.inputAnswers = {"neo"};
    run([this] { game.RestartGame(); });
    EXPECT_EQ(held(), Lines(8, "night"));

    platform.clearRecords();
    platform.fileAnswers = {day / "servback.jpg"};
    Lines pagerPictures;
    platform.whilePagerShows = [&](kx::frmPager& pager) {
        pagerPictures = {FakePlatform::fileOf(pager.Picture), FakePlatform::fileOf(pager.Picture1.Picture)};
    };
    choose("mnuSetFolder");
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].title, "Select a file from the skin's folder");
    EXPECT_EQ(platform.fileDialogs[0].folder, "/kestrix/skins");
    const std::string gap(12, ' ');
    EXPECT_EQ(platform.messageTexts(), Lines{"Skin Name:  " + gap + "Author:  " + gap + "Date:  " + gap +
                                             "Copyright:  " + gap + "Extra Info:  "});
    EXPECT_EQ(held(), (Lines{"day", "night", "day", "night", "night", "night", "night", "night"}));
    EXPECT_EQ(pagerPictures, (Lines{(platform.data / "night/popup.jpg").string(),
                                    (platform.data / "night/pview.jpg").string()}));
    EXPECT_EQ(kx::ReadSetting("kestrix", "skinfolder", settings), day.string());

    choose("mnuRefresh");
    EXPECT_EQ(held(), (Lines{"day", "night", "day", "night", "night", "night", "day", "night"}));
    platform.whileModal = [&](kx::Window& finance) {
        EXPECT_EQ(FakePlatform::fileOf(finance.Picture), (platform.data / "night/finance.jpg").string());
    };
    run([this] { rara().Command3_Click(); });
    EXPECT_EQ(platform.events.back(), "modal Finances Window");
}

} // namespace
} // namespace kxtest
