#pragma once

#include "GameState.h"
#include "Window.h"
#include "platform/Platform.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kx {

class LongAction;
class RandomSource;

// Owns the game state and the loaded windows, and holds the procedures that
// every window shares.  One Game lives for the whole run of the program.
class Game {
public:
    // core/Game.cpp: the run of the program and its windows.
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

    // Windows, one of each kind at a time.
    Window* find(WindowKind kind) const { return windows_[static_cast<std::size_t>(kind)].get(); }
    template <typename Form>
    Form* find() const
    {
        return static_cast<Form*>(find(Form::Kind));
    }
    // Creates the window, replacing one of its kind, and runs its load step if it has one.
    template <typename Form>
    Form& load()
    {
        auto window = std::make_unique<Form>(*this);
        Form& form = *window;
        install(std::move(window));
        if constexpr (requires { form.Form_Load(); })
            form.Form_Load();
        return form;
    }
    void unload(Window& window);
    bool isLoaded(const Window& window) const;
    // Shows the window, which then becomes the active one.
    void Show(Window& window);
    // Shows the window modally, as the active one, until it is gone or hidden.
    void ShowModal(Window& window);
    // Unloads every window in the order of the window table; the main window
    // stays when `mainWindowToo` is false.
    void unloadAll(bool mainWindowToo);
    // Closes every window and ends the program; nothing is saved.
    void EndProgram();
    // Tells every window that the game's records grew.
    void RecordsChanged();

    // core/Procedures.cpp: the small procedures every window shares.
    std::int16_t Random(std::int16_t n);
    float RandomUniform(); // a raw draw, without folding in the clock
    void SeedRandom();
    std::optional<int> FindServer(const std::string& name) const;
    // The server being connected to, or null when ServerIndex names no slot
    // (a connect with nothing listed leaves it at 0).
    ServerRecord* ConnectedServerOrNull();
    // The same, or a blank record when there is none.
    ServerRecord& ConnectedServer();
    void Pause(double seconds);
    // Lets the window events that are waiting run.
    void DoEvents();
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText);
    void PlaySound(const std::string& relativePath);

    // core/World.cpp: names for the people of the generated texts.
    std::string RandomFirstName();
    std::string RandomLastName();

    // core/Status.cpp: the main window's figures, and a new game.
    void RefreshStatus();
    // The labels, the status line and today's figures in the ledger, without
    // the check for a lost game.
    void DrawStatus();
    void RateEquipment();
    void RestartGame();

    // shell/DayCycle.cpp: the passing of a day.
    // On the final day the game ends; otherwise the next day begins and a new
    // world is drawn, after `beforeNewWorld` has run.
    void EndDay(const std::function<void()>& beforeNewWorld = {});
    void FillServerList();

    // storage/EndGame.cpp: the final ranking, or the offer of a new game.
    void EndGame();

    // terminal/TermScreen.cpp: the terminal's screen.  Printing goes to the
    // terminal that is open when it starts; once that one has closed, the rest
    // of the text is dropped.  The text is taken as a copy: events run between
    // its lines may change the string it came from (the input line, a closed
    // window's caption).
    void TermPrint(std::string text);
    void TermRefresh();
    void TermClear();

    // economy/ShowPager.cpp: the pager: 1 "Okay", 2 "Yes", 3 "No".  The
    // "Okay" button may wear another caption for this one message.
    std::int16_t ShowPager(const std::string& text, bool twoButtons,
                           const std::string& okayCaption = "Okay");

private:
    struct Dispatching {
        explicit Dispatching(Game& game) : game(game) { ++game.handlerDepth_; }
        ~Dispatching() { game.leaveHandler(); }
        Game& game;
    };
    void leaveHandler();
    void install(std::unique_ptr<Window> window);
    // Stores one line of the transcript unless its terminal has gone meanwhile.
    bool printPiece(const LongAction& output, std::string piece);
    void AdvanceDay();

    Platform& platform_;
    RandomSource& random_;
    std::array<std::unique_ptr<Window>, kWindowKinds> windows_;
    std::vector<std::unique_ptr<Window>> retired_;
    int handlerDepth_ = 0;
    bool ended_ = false;
    unsigned generation_ = 0;
};

} // namespace kx
