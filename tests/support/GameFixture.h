#pragma once

#include "FakePlatform.h"
#include "Printers.h"
#include "ScriptedRandom.h"
#include "core/Game.h"
#include "core/frmRara.h"
#include "terminal/frmTerminal.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

namespace kxtest {

// A game run by the fake window system and the scripted random source.
class GameFixture : public ::testing::Test {
protected:
    FakePlatform platform;
    ScriptedRandom random;
    kx::Game game{platform, random};

    kx::GameState& state() { return game.state; }
    // The loaded window of type W; a test reaching for one that is gone fails.
    template <typename W> W& window()
    {
        if (W* loaded = game.find<W>())
            return *loaded;
        throw std::logic_error("a window the test needs is not loaded");
    }
    kx::frmRara& rara() { return window<kx::frmRara>(); }
    kx::frmTerminal* terminalWindow() { return game.find<kx::frmTerminal>(); }
    // What Picture1 of the main window shows, one entry per print.
    std::vector<kx::PictureBox::Printed> strip() { return rara().Picture1.printed; }
    // Runs one event handler as the window system would.
    template <typename F> void run(F&& handler) { game.dispatch(std::forward<F>(handler)); }
    // Starts the program, answers the welcome with "Okay" and the alias with
    // "neo"; then forgets what the start-up recorded.
    void startGame();
    // Refills the server list so that exactly the servers in `slots` are listed.
    void listOnly(const std::set<int>& slots);
    // Scripts the next new day: a world of middling draws and an empty list,
    // so that no pager event comes.
    void scriptQuietDay()
    {
        for (int i = 0; i < kx::kWorldSize * 9; ++i) // 8 draws a server, then 1 to list it
            random.push(0.5f);
    }
};

} // namespace kxtest
