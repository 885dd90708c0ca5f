#pragma once

#include "ModalAnswerer.h"
#include "economy/frmPager.h"
#include "terminal/frmTerminal.h"
#include "core/frmRara.h"

#include "core/Game.h"
#include "core/RandomSource.h"
#include "qt/QtPlatform.h"

#include <QString>

#include <memory>

namespace kx {
class RaraView;
class TerminalView;
class frmRara;
class frmTerminal;
class frmPager;
} // namespace kx

// A game on the Qt front end, as the view tests drive it: a platform whose
// end of the program ends nothing but the game, and a player answering the
// modal windows from a script.
class ViewHarness {
public:
    std::unique_ptr<kx::QtPlatform> platform;
    std::unique_ptr<kx::ClockMixedRandom> random;
    std::unique_ptr<kx::Game> game;
    std::unique_ptr<ModalAnswerer> answerer;

    // Starts a new game whose alias prompt gets `alias`; waits run at `timeScale`.
    void newGame(const QString& alias, double timeScale = 1);
    // Ends the game and checks that no window of it is left on the screen.
    bool reset();

    // The game's windows, or null while they are not loaded.
    kx::frmRara* rara() const { return game->find<kx::frmRara>(); }
    kx::frmTerminal* terminal() const { return game->find<kx::frmTerminal>(); }
    kx::frmPager* pager() const { return game->find<kx::frmPager>(); }
    kx::RaraView& mainView() const;
    // Presses "Connect" and returns once the server has answered.
    kx::TerminalView& connect() const;
    // Types a line into the terminal and presses Enter.
    static void type(kx::TerminalView& view, const QString& line);
    // Where a screenshot goes: beside the tests in the build folder.
    static QString shotPath(const char* name);
};
