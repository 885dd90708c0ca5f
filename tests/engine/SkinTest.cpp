#include "support/Files.h"
#include "support/GameFixture.h"

#include "economy/frmFinance.h"
#include "storage/Settings.h"

#include <fstream>

namespace kxtest {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Sections and keys match in any letter case and a missing one reads as empty;
// a write changes its one line and keeps every other; a long value reads back cut.
TEST(Settings, ReadWriteAndFolderOf)
{
    const ScratchFolder scratch;
    const fs::path file = scratch.path() / "skinfolder.ehf";
    const struct { std::string before, section, key, value, after; } writes[] = {
        {"", "Kestrix", "SkinFolder", "/a", "[Kestrix]\r\nSkinFolder=/a\r\n"},
        {"; note\n[kestrix]\nskinfolder = /old\nother=1\n\n[Next]\nx=2", "KESTRIX", "SkinFolder", "/b",
         "; note\r\n[kestrix]\r\nSkinFolder=/b\r\nother=1\r\n\r\n[Next]\r\nx=2\r\n"},
        {"[Kestrix]\rother=1\r\r[Next]\r", "kestrix", "SkinFolder", "/c",
         "[Kestrix]\r\nother=1\r\nSkinFolder=/c\r\n\r\n[Next]\r\n"},
        {"[Next]\r\nx=2\r\n", "Kestrix", "SkinFolder", "/d]", "[Next]\r\nx=2\r\n[Kestrix]\r\nSkinFolder=/d]\r\n"},
        {"[Kestrix]\r\n", "Kestrix", "SkinFolder", "/e\n/f", "[Kestrix]\r\n"}}; // a line break is refused
    for (const auto& w : writes) {
        WriteBytes(file, w.before);
        const bool kept = w.value.find('\n') == std::string::npos;
        EXPECT_EQ(!kx::WriteSetting(w.section, w.key, w.value, file), kept);
        EXPECT_EQ(FileBytes(file), w.after) << w.before;
        EXPECT_EQ(kx::ReadSetting("kestrix", "SKINFOLDER", file), kept ? w.value : "");
    }
    const struct { std::string bytes, section, key, value; } reads[] = {
        {"[SKININFO]\r\n NAME =  Day light  \r\n", "SkinInfo", "Name", "Day light"},
        {"[a]\nk=1\n[b]\nk=2\n[b]\nk=3\n", "b", "k", "2"}, {"[a]\r\nx=1\r\n", "a", "k", ""},
        {"[a]\r\nk=1\r\n", "b", "k", ""}, {"[a]\r\nk=" + std::string(300, 'x'), "a", "k", std::string(254, 'x')}};
    for (const auto& r : reads) {
        WriteBytes(file, r.bytes);
        EXPECT_EQ(kx::ReadSetting(r.section, r.key, file), r.value) << r.bytes;
    }
    fs::remove(file);
    EXPECT_EQ(kx::ReadSetting("a", "k", file), "");
    const std::pair<std::string, std::string> folders[] = {
        {"C:\\Games\\Kestrix\\skins\\Day\\main.jpg", "C:\\Games\\Kestrix\\skins\\Day"},
        {"/home/p/skins/a/main.jpg", "/home/p/skins/a"}, {"a\\b/c.jpg", "a\\b"}, {"/main.jpg", ""}, {"main.jpg", ""}};
    for (const auto& [path, folder] : folders)
        EXPECT_EQ(kx::FolderOf(path), folder) << path;
}

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
