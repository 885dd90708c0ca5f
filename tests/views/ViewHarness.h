#pragma once

#include "core/Game.h"
#include "core/RandomSource.h"
#include "qt/PagerView.h"
#include "qt/QtPlatform.h"
#include "qt/RaraView.h"
#include "terminal/frmTerminal.h"

#include <QCoreApplication>
#include <QTimer>

#include <functional>
#include <memory>

// A game on the Qt front end, as the view tests drive it: a platform whose end
// of the program ends nothing but the game, and a player who answers each
// message and input box as it comes up.
class ViewHarness {
public:
    ViewHarness();

    std::unique_ptr<kx::QtPlatform> platform;
    std::unique_ptr<kx::Game> game;
    // The player's answers: the pager button pressed (1 "Okay", 2 "Yes", 3 "No",
    // 0 the window's close command) and the text entered in an input box, ""
    // cancelling.  A new game starts answering "Okay", or "No" when asked, the
    // alias to the alias box and nothing to other boxes.
    std::function<int(kx::PagerView& pager, bool asks)> choosePager;
    std::function<QString(const QString& title)> chooseInput;

    // Starts a new game whose alias box gets `alias`; waits run at `timeScale`.
    void newGame(const QString& alias = "neo", double timeScale = 1);
    // Ends the game; false when a window of it is left on the screen.
    bool reset();

    // The game's windows; the terminal is null while it is not loaded.
    kx::frmRara* rara() const { return game->find<kx::frmRara>(); }
    kx::frmTerminal* terminal() const { return game->find<kx::frmTerminal>(); }
    kx::RaraView& mainView() const { return *static_cast<kx::RaraView*>(platform->viewOf(*rara())); }
    // Where a screenshot goes: beside the tests in the build folder.
    static QString shotPath(const char* name) { return qApp->applicationDirPath() + '/' + name; }

private:
    void answerModal();

    kx::ClockMixedRandom random_{42};
    QTimer answering_;
};
