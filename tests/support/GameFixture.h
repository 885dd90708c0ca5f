#pragma once

#include "FakePlatform.h"
#include "economy/frmPager.h"
#include "terminal/frmTerminal.h"
#include "Printers.h"
#include "ScriptedRandom.h"

#include "core/Game.h"
#include "core/frmRara.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace kxtest {

// A game run by the fake window system and the scripted random source.
class GameFixture : public ::testing::Test {
protected:
    FakePlatform platform;
    ScriptedRandom random;
    kx::Game game{platform, random};

    kx::GameState& state() { return game.state; }
    kx::frmRara& rara();
    // The terminal and the pager, or null while they are not loaded.
    kx::frmTerminal* terminalWindow() { return game.find<kx::frmTerminal>(); }
    kx::frmPager* pagerWindow() { return game.find<kx::frmPager>(); }

    // Starts the program, lets the welcome message be answered with "Okay" and
    // enters `alias`; then forgets what the start-up recorded.
    void startGame(const std::string& alias = "neo");
    // Runs one event handler as the window system would.
    template <typename Handler>
    void run(Handler&& handler)
    {
        game.dispatch(std::forward<Handler>(handler));
    }
    // Refills the server list so that exactly the servers in `slots` are listed.
    void listOnly(const std::set<int>& slots);
    // What Picture1 of the main window shows, as one line per print.
    std::vector<kx::PictureBox::Printed> strip() { return rara().Picture1.printed; }
};

} // namespace kxtest
