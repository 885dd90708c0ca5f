#include "Soak.h"

#include "core/Numbers.h"
#include "core/frmRara.h"
#include "economy/frmPager.h"
#include "economy/frmShop.h"
#include "shell/frmMenu.h"
#include "terminal/frmTerminal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kxsoak {

namespace {

std::vector<const kx::Window*> loadedWindows(const kx::Game& game)
{
    std::vector<const kx::Window*> windows;
    for (std::size_t k = 0; k < kx::kWindowKinds; ++k)
        if (const kx::Window* window = game.find(static_cast<kx::WindowKind>(k)))
            windows.push_back(window);
    return windows;
}

// The figures are redrawn after every change, a finished game's included.
bool showsTheFigures(const kx::frmRara& rara, const kx::GameState& s)
{
    const auto whole = [](float v) { return kx::FormatAmount(kx::RoundHalfUpWhole(v)); };
    return rara.Label9.Caption == "$" + whole(s.Funds) && rara.Label12.Caption == "$" + whole(s.Debt) &&
           rara.Label14.Caption == "$" + whole(s.BankFunds) && rara.Label11.Caption == whole(s.Items[1]) &&
           rara.Label10.Caption == whole(s.Items[2]);
}

// How many servers have locked the player out; a lockout lasts for good.
long blocked(const kx::GameState& s)
{
    return std::ranges::count_if(s.Server, [](const kx::ServerRecord& server) { return server.NoAccess; });
}

} // namespace

Before Remember(const kx::Game& game)
{
    return {game.generation(), loadedWindows(game), blocked(game.state)};
}

std::string BrokenRule(const kx::Game& game, const Before& before)
{
    const std::vector<const kx::Window*> windows = loadedWindows(game);
    if (game.ended())
        return windows.empty() ? "" : "a window outlived the end of the program";
    const kx::frmRara* rara = game.find<kx::frmRara>();
    if (!rara)
        return "the main window is gone while the game runs";
    const kx::GameState& s = game.state;
    const bool replacedLeft = game.generation() != before.generation &&
                              std::ranges::any_of(windows, [&](const kx::Window* w) {
                                  return std::ranges::find(before.windows, w) != before.windows.end();
                              });
    int enabled = 0;
    for (const kx::Button* b : {&rara->Command1, &rara->Command3, &rara->Command4, &rara->Command6})
        enabled += b->Enabled;
    const bool terminal = game.find<kx::frmTerminal>() != nullptr;
    const bool loggedIn = terminal && !s.Disconnected && !s.AwaitingName && !s.AwaitingPassword;
    const kx::frmMenu* menu = game.find<kx::frmMenu>();
    const auto finite = [](float v) { return std::isfinite(v); };
    const auto money = {s.Funds, s.Debt, s.BankFunds, s.EquipmentRating, s.FavourReward};
    const std::pair<bool, const char*> rules[] = {
        {::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed(),
         "the window system was asked what the player had no answer for (see above)"},
        {!std::ranges::all_of(s.Items, finite) || !std::ranges::all_of(s.ItemPrice, finite) ||
             !std::ranges::all_of(money, finite),
         "money or an item count is not a finite number"},
        {!(s.DayCount >= 1 && s.DayCount <= kx::kFinalDay && s.DayCount == std::floor(s.DayCount)),
         "the day is not one of 1 to 30"},
        {s.Items[kx::kItemSlots] != 0, "a tip is held after it was bought"},
        {replacedLeft, "a window of a replaced game is still loaded"},
        {game.find<kx::frmPager>() != nullptr, "a message is still up once the step is over"},
        {!game.find<kx::frmShop>() && !s.ItemCatalogue.empty(), "the shop's assortment outlived the shop"},
        {s.Alias.empty(), "the game runs without an alias"},
        {s.Finished && (enabled > 0 || terminal), "a finished game still connects, skips, lends or saves"},
        {!s.Finished && enabled < 4, "a running game's buttons are disabled"},
        {!showsTheFigures(*rara, s), "the main window shows other figures than the game holds"},
        {s.AwaitingName && s.AwaitingPassword, "the terminal awaits a name and a password at once"},
        {loggedIn && s.ServerIndex >= 1 && s.Server[static_cast<int>(s.ServerIndex)].NoAccess,
         "logged in to a server that has locked the player out"},
        {menu && menu->mnuOther.children.front().Checked != s.SoundOn, "the menu's sound mark is wrong"},
        {blocked(s) < before.blocked, "a server that locked the player out let him in again"},
    };
    for (const auto& [broken, rule] : rules)
        if (broken)
            return rule;
    return "";
}

} // namespace kxsoak
