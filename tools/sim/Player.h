#pragma once

#include "core/Game.h"
#include "core/RandomSource.h"
#include "shell/HeadlessPlatform.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kxsim {

// A server of today's list as the main window shows it.
struct ListedServer {
    int item; // its place in the list, from 1
    std::string name;
    int vulnerability;
    // The forwarding accounts that keep a discovered payment from being traced to the player.
    int securityFactor() const { return 11 - vulnerability; }
};

// One game and the player at its screen: what the windows show and their
// buttons, nothing the screen does not show.  Every message is answered as
// offered: "Okay", and "No" to a question.
class Player {
public:
    Player(std::uint64_t seed, const std::filesystem::path& folder);
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Loads the main window: the welcome is read and the alias given.
    void start();
    // Neither finished nor lost.
    bool playing() const;
    // A message has said "Game Over.".
    bool lost() const { return lost_; }
    // The cash the game ranks when it ends.
    float score() const { return game_.state.Funds; }

    // The main window.
    int day() const { return static_cast<int>(game_.state.DayCount); }
    double cash() const;
    double forwardingAccounts() const;
    std::string statusLine() const;
    std::vector<ListedServer> servers() const;
    // The strip tells of a server that has locked the player out.
    bool barred(const ListedServer& server);
    void connect(const ListedServer& server);
    void skipDay();

    // The terminal: clears its screen, types `line` and gives what it printed,
    // each wrapped line joined again; nothing once the terminal is closed.
    std::vector<std::string> command(const std::string& line);

    // The shop, when a message has opened it.
    bool shopOpen() const;
    // Buys one of the offer; false when it is not offered or the cash is not above its price.
    bool buy(const std::string& item);
    void closeShop();

    // The guide, when it shows: the steps it has ticked, from 1; none when it is closed.
    std::vector<int> guideTicked() const;

private:
    template <typename Handler> void click(Handler&& handler) { game_.dispatch(handler); }
    void type(const std::string& line);

    kx::HeadlessPlatform platform_;
    kx::ClockMixedRandom random_;
    kx::Game game_{platform_, random_};
    bool lost_ = false;
};

// The transcript as the player reads it: without the ">" of each line, and
// with a wrapped line's "--" pieces joined to the line they continue.
std::vector<std::string> ScreenLines(const std::vector<std::string>& transcript);

} // namespace kxsim
