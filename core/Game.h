#pragma once

#include "GameState.h"
#include "platform/Platform.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kx {

class RandomSource;
class Window;
class frmRara;
class frmPager;
class frmTerminal;

// Owns the game state and the loaded windows, and holds the procedures that
// every window shares.  One Game lives for the whole run of the program.
class Game {
public:
    Game(Platform& platform, RandomSource& random);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;
    Platform& platform() const { return platform_; }

    // Loads the main window, which starts a new game.
    void start();
    // Runs one event handler.  Windows unloaded meanwhile are destroyed only
    // once no handler is running any more.
    template <typename Handler>
    void dispatch(Handler&& handler)
    {
        Dispatching scope(*this);
        handler();
    }
    // The program is ending: long actions stop at their next step.
    bool ended() const { return ended_; }
    // Counts new games, so a long action can tell that its game was replaced.
    unsigned generation() const { return generation_; }

    // Windows.
    frmRara* rara() const { return rara_.get(); }
    frmPager* pager() const { return pager_.get(); }
    frmTerminal* terminal() const { return terminal_.get(); }
    frmRara& loadRara();
    frmPager& loadPager();
    frmTerminal& loadTerminal();
    void unload(Window& window);
    bool isLoaded(const Window& window) const;
    // Closes every window and ends the program; nothing is saved.
    void EndProgram();

    // Shared procedures.
    std::int16_t Random(std::int16_t n);
    float RandomUniform(); // a raw draw, without folding in the clock
    void SeedRandom();
    static bool FileExists(const std::string& path);
    std::optional<int> FindServer(const std::string& name) const;
    void Pause(double seconds);
    // Lets the window events that are waiting run.
    void DoEvents();
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText);
    void PlaySound(const std::string& relativePath);

    // World generation.
    void FillWordPools();
    void GenerateServers();
    std::string RandomFirstName();
    std::string RandomLastName();

    // Day cycle and status.
    void SkipDay();
    // On the final day the game ends; otherwise the next day begins and a new
    // world is drawn, after `beforeNewWorld` has run.
    void EndDay(const std::function<void()>& beforeNewWorld = {});
    // The day moves on: debt and bank money grow.
    void AdvanceDay();
    void FillServerList();
    void RefreshStatus();
    // The labels and status line alone, without the check for a lost game.
    void DrawStatus();
    void RateEquipment();
    void RestartGame();
    void EndGame();

    // The terminal's screen; printing into a closed terminal prints nothing.
    void TermPrint(const std::string& text);
    void TermRefresh();
    void TermClear();
    // The server being connected to, or null when ServerIndex names no slot
    // (a connect with nothing listed leaves it at 0).
    ServerRecord* ConnectedServerOrNull();
    // The same, or a blank record when there is none.
    ServerRecord& ConnectedServer();
    // The end of a payment: the day passes and the terminal closes.
    void EndOfTransfer();

    // The connected server's files.
    // Makes the 2 to 10 files of the server being connected to.
    void GenerateServerFiles();
    std::string MakeHintFile(int slot); // also names the file
    std::string MakeOrdinaryFile(int slot); // also names the file
    std::string PaymentDatabaseText();
    std::string RandomDatabaseName();
    std::string RandomFileStem();
    std::string PickServerFile();
    // The note a server shows after a correct password.
    std::string ServerNote();

    // The pager: 1 "Okay", 2 "Yes", 3 "No".
    std::int16_t ShowPager(const std::string& text, bool twoButtons);

private:
    struct Dispatching {
        explicit Dispatching(Game& game) : game(game) { ++game.handlerDepth_; }
        ~Dispatching() { game.leaveHandler(); }
        Game& game;
    };
    void leaveHandler();
    // Creates a window in its slot; its load step runs at once.
    template <typename Form>
    Form& load(std::unique_ptr<Form>& slot);
    void retire(std::unique_ptr<Window> window);

    Platform& platform_;
    RandomSource& random_;
    std::unique_ptr<frmRara> rara_;
    std::unique_ptr<frmPager> pager_;
    std::unique_ptr<frmTerminal> terminal_;
    std::vector<std::unique_ptr<Window>> retired_;
    int handlerDepth_ = 0;
    bool ended_ = false;
    unsigned generation_ = 0;
};

} // namespace kx
