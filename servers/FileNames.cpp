#include "FilePieces.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include <array>
#include <string_view>

namespace kx {

namespace {

constexpr std::array<std::string_view, 5> kDatabaseNames = {
    "payments.dtb", "pymnts.dtb", "outgoing.dtb", "deals.dtb", "ssct.dtb",
};

// Draws 1, 5, 60 and 64 get a number after the word; draw 19 is the
// connected company's name.  Repeated words are meant: they come up twice as often.
constexpr std::array<std::string_view, 70> kStems = {
    "doc", "crap", "test", "proof", "temp", "readme", "view", "control", "program", "vb",
    "other", "help", "renew", "member_list", "pw", "home", "end", "logic", "", "virtual",
    "christ", "happy", "iloveyou", "trade", "amount", "current", "update", "ibm", "computers",
    "network", "server", "main", "menu", "file", "name", "module", "rovuva", "break", "code",
    "crack", "mercury", "omega", "xirtsek", "general", "return", "use", "id", "identify", "form",
    "control", "data", "access", "object", "orient", "program", "set", "virizazor", "vulnerable",
    "toobad", "backup", "list", "checkmark", "benchmark", "test", "view", "shape", "leaf",
    "directory", "bottom", "top",
};

} // namespace

std::string RandomDatabaseName(Game& game)
{
    return std::string(kDatabaseNames[game.Random(5) - 1]);
}

std::string RandomFileStem(Game& game)
{
    const int draw = game.Random(70);
    const std::string word(kStems[draw - 1]);
    switch (draw) {
    case 1:
    case 64:
        return word + std::to_string(game.Random(999));
    case 5:
    case 60:
        return word + std::to_string(game.Random(100));
    case 19: {
        const ServerRecord* server = game.ConnectedServerOrNull();
        return server ? LowerCase(server->Name) : std::string();
    }
    default:
        return word;
    }
}

} // namespace kx
