#include "BreakIn.h"

#include "Clues.h"
#include "Player.h"

#include <algorithm>
#include <ranges>

namespace kxsim {

namespace {

// Each failed try of a cracker may bar a server for good: a player who has
// been thrown out of three servers leaves the day be.
constexpr int kTries = 3;

bool said(const std::vector<std::string>& lines, const std::string& text)
{
    const auto tells = [&](const std::string& line) { return line.find(text) != line.npos; };
    return std::ranges::any_of(lines, tells);
}

bool logIn(Player& player, const ListedServer& server)
{
    player.connect(server);
    return said(player.command("prgmname"), "User name accepted.") &&
           said(player.command("prgmpass"), "Password accepted.");
}

// The files of a "dir" listing, "-->3]  payments.dtb", by number.
std::vector<std::pair<std::string, std::string>> listing(Player& player)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const std::string& line : player.command("dir"))
        if (const auto close = line.find("]  "); line.starts_with("-->") && close != line.npos)
            files.emplace_back(line.substr(3, close - 3), line.substr(close + 3));
    return files;
}

// The payment database goes by one of a few names, all ending in ".dtb";
// every other file may tell the limit.
std::optional<Target> explore(Player& player)
{
    std::string database;
    std::optional<double> limit;
    for (const auto& [number, name] : listing(player)) {
        if (name.ends_with(".dtb"))
            database = name;
        else if (!limit)
            limit = ReadLimit(player.command("read " + number));
    }
    if (database.empty() || !limit)
        return std::nullopt;
    return Target{database, *limit};
}

} // namespace

std::optional<Target> BreakIn(Player& player)
{
    std::vector<ListedServer> servers = player.servers();
    std::ranges::stable_sort(servers, std::ranges::greater(), &ListedServer::vulnerability);
    int tries = 0;
    for (const ListedServer& server : servers) {
        if (tries == kTries)
            break;
        if (player.barred(server))
            continue;
        ++tries;
        if (logIn(player, server))
            return explore(player);
    }
    return std::nullopt;
}

} // namespace kxsim
