#include "Game.h"

#include "RandomSource.h"

#include <cmath>

namespace kx {

std::int16_t Game::Random(std::int16_t n)
{
    random_.reseed(platform_.timeOfDaySeconds());
    // In double the product is exact, so it never reaches n.
    const double r = random_.uniform();
    return static_cast<std::int16_t>(std::floor(r * n) + 1);
}

float Game::RandomUniform() { return random_.uniform(); }

void Game::SeedRandom() { random_.reseed(platform_.timeOfDaySeconds()); }

std::optional<int> Game::FindServer(const std::string& name) const
{
    for (int i = 1; i <= kWorldSize; ++i)
        if (state.Server[i].Name == name)
            return i;
    return std::nullopt;
}

ServerRecord* Game::ConnectedServerOrNull()
{
    const float index = state.ServerIndex;
    if (!(index >= 1 && index <= kServerSlots)) // also false for NaN
        return nullptr;
    return &state.Server[static_cast<int>(index)];
}

ServerRecord& Game::ConnectedServer()
{
    ServerRecord* server = ConnectedServerOrNull();
    return server ? *server : state.Server[0];
}

void Game::Pause(double seconds)
{
    platform_.refreshViews();
    platform_.wait(seconds);
}

void Game::DoEvents()
{
    platform_.refreshViews();
    platform_.processEvents();
}

std::string Game::InputBox(const std::string& prompt, const std::string& title,
                           const std::string& defaultText)
{
    if (ended_)
        return {};
    platform_.refreshViews();
    return platform_.inputBox(prompt, title, defaultText);
}

void Game::PlaySound(const std::string& relativePath)
{
    if (state.SoundOn)
        platform_.playSound(platform_.programFolder() + relativePath);
}

} // namespace kx
