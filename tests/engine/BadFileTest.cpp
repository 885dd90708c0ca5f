#include "support/Files.h"
#include "support/GameFixture.h"

#include "storage/SavedGame.h"
#include "storage/ScoreList.h"
#include "storage/Skins.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <random>

namespace kxtest {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Files from outside that are not what the game wrote: each is refused or read
// as far as it goes, quickly, and no other file changes.  The huge ones are
// KESTRIX_BAD_FILE_MB megabytes (20 unless set; 100 for the long run by hand).
class BadFiles : public GameFixture {
protected:
    void SetUp() override
    {
        startGame();
        const char* size = std::getenv("KESTRIX_BAD_FILE_MB");
        megabytes = size ? std::atoi(size) : 20;
    }
    // A saved game of the player's, to cut short.
    std::string savedGame()
    {
        platform.pagerPresses = {Yes, Okay};
        platform.fileAnswers = {platform.data / "real.kxg"};
        run([&] { kx::SaveGame(game); });
        return FileBytes(platform.data / "real.kxg");
    }
    // Every kind of bad file, each given a name.
    std::vector<std::pair<std::string, std::string>> kinds()
    {
        std::string binary(4096, '\0');
        std::mt19937 dice(7);
        for (char& c : binary)
            c = static_cast<char>(dice());
        const std::string game = savedGame();
        std::string huge;
        for (const std::string line = "[kestrixsav]\r\nname=x\r\n[SkinInfo]\r\nfunds=1\r\n";
             huge.size() < static_cast<std::size_t>(megabytes) << 20;)
            huge += line;
        std::string wide = "\xFF\xFE"; // the saved game's text in UTF-16
        for (char c : game)
            wide += std::string{c, '\0'};
        return {{"truncated", game.substr(0, game.find("ledger=") / 2)},
                {"binary", binary},
                {"huge", huge},
                {"one long line", "[kestrixsav]\r\nname=" + std::string(10 << 20, 'n') + "\r\n[ScoreSheet]"},
                {"other encoding", wide},
                {"missing keys", "[kestrixsav]\r\nname=x\r\n[ScoreSheet]\r\n[Kestrix]\r\n[SkinInfo]\r\n"}};
    }
    int megabytes = 20;
};

TEST_F(BadFiles, AreRefusedOrReadQuicklyAndTouchNothingElse)
{
    const fs::path skin = platform.data / "skin", bad = platform.data / "bad";
    fs::create_directories(skin);
    const fs::path settings = platform.data / kx::kSkinSettingsName;
    const std::string settingsBefore = FileBytes(settings);
    for (const auto& [kind, contents] : kinds()) {
        WriteBytes(bad, contents);
        WriteBytes(skin / "userskin.ehf", contents);
        const auto started = std::chrono::steady_clock::now();

        platform.clearRecords();
        platform.pagerPresses = {Yes, Okay};
        platform.fileAnswers = {bad};
        state().Alias = "neo", state().Funds = 1234;
        run([&] { kx::LoadGame(game); });
        EXPECT_EQ(platform.messageTexts().back(), "That file is not a saved Kestrix game.  Nothing was changed.")
            << kind;
        EXPECT_EQ((std::pair{state().Alias, state().Funds}), (std::pair{std::string("neo"), 1234.0f})) << kind;

        for (const auto& place : kx::ReadScores(bad))
            EXPECT_TRUE(!place || std::isfinite(place->score)) << kind;

        platform.clearRecords();
        platform.menuChoices = {"mnuSetFolder"};
        platform.fileAnswers = {skin / "main.jpg"};
        run([this] { rara().Command7_Click(); });
        ASSERT_EQ(platform.messages.size(), 1u) << kind;
        EXPECT_TRUE(platform.messages[0].text.starts_with("Skin Name:  ")) << kind;
        EXPECT_LT(platform.messages[0].text.size(), 5 * 254 + 100u) << kind;
        WriteBytes(settings, contents);
        platform.inputAnswers = {"neo"};
        run([this] { game.RestartGame(); });
        EXPECT_LE(state().SkinFolder.size(), 254u) << kind;

        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        EXPECT_LT(seconds, 10) << kind << ": every reader together";
        EXPECT_EQ(FileBytes(bad), contents) << kind << " was changed";
        WriteBytes(settings, settingsBefore);
    }
}

} // namespace
} // namespace kxtest
