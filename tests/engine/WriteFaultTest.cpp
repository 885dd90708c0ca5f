#include "support/Files.h"
#include "support/GameFixture.h"

#include "storage/ScoreList.h"
#include "storage/SavedGame.h"
#include "storage/Settings.h"
#include "storage/Skins.h"

#include <algorithm>
#include <csignal>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace kxtest {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using kx::WriteStep;
using kx::WriteStepCheck;

class WriteFaults : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    // The files of the data folder; a write leaves no scratch or temporary file behind.
    Lines files() const
    {
        Lines names;
        for (const auto& entry : fs::directory_iterator(platform.data))
            names.push_back(entry.path().filename().string());
        return names;
    }
    void save(const fs::path& file, const WriteStepCheck& check)
    {
        platform.clearRecords();
        platform.pagerPresses = {Yes, Okay};
        platform.fileAnswers = {file};
        run([&] { kx::SaveGame(game, check); });
    }
    void rank(float funds)
    {
        state().DayCount = kx::kFinalDay, state().Finished = false, state().Funds = funds;
        platform.clearRecords();
        run([&] { game.EndGame(); });
    }
};

// Every writer of a kept file, broken at each step of its writing, by a step
// that fails as on a full disk or by the program being killed just before it:
// the file is always the old one or the complete new one, and a failed save is
// told to the player.
TEST_F(WriteFaults, TheOldFileOrTheWholeNewOneSurvivesEveryStep)
{
    const fs::path game = platform.data / "game.kxg", scores = platform.data / "scorelist.ehf",
                   settings = platform.data / "skinfolder.ehf";
    const struct {
        fs::path file;
        std::function<void(const WriteStepCheck&)> write;
        std::string told; // the last message after a failure
    } writers[] = {
        {game, [&](const WriteStepCheck& check) { save(game, check); },
         "File cannot be save --- Error 28:  No space left on device"},
        {scores, [&](const WriteStepCheck& check) { kx::WriteScores({kx::Score{"neo", state().Funds}}, scores, check); },
         ""},
        {settings, [&](const WriteStepCheck& check) {
             kx::WriteSetting("Kestrix", "SkinFolder", "/skins/" + std::to_string(state().Funds), settings, check);
         }, ""}};
    const std::error_code full = std::make_error_code(std::errc::no_space_on_device);
    for (const auto& w : writers) {
        state().Funds = 100;
        w.write({});
        const std::string old = FileBytes(w.file);
        state().Funds = 777;
        int steps = 0;
        w.write([&](WriteStep) { return ++steps, std::error_code{}; });
        const std::string fresh = FileBytes(w.file);
        ASSERT_NE(fresh, old) << w.file;
        const Lines kept = files();
        for (int k = 1; k <= steps; ++k) {
            WriteBytes(w.file, old);
            int step = 0;
            w.write([&](WriteStep) { return ++step == k ? full : std::error_code{}; });
            EXPECT_EQ(FileBytes(w.file), old) << w.file << " failing at step " << k;
            EXPECT_EQ(files(), kept) << "failing at step " << k;
            if (!w.told.empty()) {
                EXPECT_EQ(platform.messageTexts().back(), w.told);
            }

            WriteBytes(w.file, old);
            const pid_t child = ::fork();
            if (child == 0) {
                step = 0;
                w.write([&](WriteStep) { return ++step == k ? (::raise(SIGKILL), full) : std::error_code{}; });
                ::_exit(0);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFSIGNALED(status)) << "killed before step " << k;
            const std::string left = FileBytes(w.file);
            EXPECT_TRUE(left == old || left == fresh) << w.file << " killed before step " << k;
            for (const auto& name : files()) // what a killed writer leaves beside the file
                if (std::ranges::find(kept, name) == kept.end())
                    fs::remove(platform.data / name);
        }
    }
}

// A folder where the file should be, or a file where its folder should be: the
// player is told and nothing changes.
TEST_F(WriteFaults, AFolderOrFileInTheWayIsToldAndChangesNothing)
{
    fs::create_directories(platform.data / "taken.kxg");
    WriteBytes(platform.data / "plain", "not a folder");
    save(platform.data / "taken.kxg", {});
    EXPECT_EQ(platform.messageTexts().back(), "File cannot be save --- Error 21:  Is a directory");
    save(platform.data / "plain" / "game.kxg", {});
    EXPECT_EQ(platform.messageTexts().back(), "File cannot be save --- Error 20:  Not a directory");
    EXPECT_EQ(FileBytes(platform.data / "plain"), "not a folder");

    fs::create_directories(platform.data / "scorelist.ehf");
    rank(5000);
    EXPECT_EQ(platform.messageTexts(), Lines{"The high score list cannot be saved --- Error 21:  Is a directory"});

    const fs::path skin = platform.data / "skin";
    fs::create_directories(skin);
    WriteBytes(skin / "main.jpg", "picture");
    fs::remove(platform.data / "skinfolder.ehf");
    fs::create_directories(platform.data / "skinfolder.ehf");
    platform.clearRecords();
    platform.menuChoices = {"mnuSetFolder"};
    platform.fileAnswers = {skin / "main.jpg"};
    run([this] { rara().Command7_Click(); });
    EXPECT_EQ(platform.messageTexts().back(), "The skin folder cannot be remembered --- Error 21:  Is a directory");
    EXPECT_EQ(state().SkinFolder, skin.string()) << "the skin holds for this run";
    EXPECT_TRUE(fs::is_directory(platform.data / "skinfolder.ehf"));
}

} // namespace
} // namespace kxtest
