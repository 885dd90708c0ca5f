#include "Game.h"

#include "RandomSource.h"
#include "frmRara.h"

#include <algorithm>

namespace kx {

Game::Game(Platform& platform, RandomSource& random) : platform_(platform), random_(random) {}

Game::~Game()
{
    // Views must let go of their windows before the windows go.
    for (const auto& window : windows_)
        if (window)
            platform_.windowUnloaded(*window);
}

void Game::start()
{
    dispatch([this] { load<frmRara>(); });
}

void Game::leaveHandler()
{
    --handlerDepth_;
    platform_.refreshViews();
    if (handlerDepth_ == 0) {
        retired_.clear();
        platform_.atSafePoint();
    }
}

void Game::install(std::unique_ptr<Window> window)
{
    if (Window* old = find(window->kind()))
        unload(*old);
    // Loading the main window is a new game.
    if (window->kind() == WindowKind::Rara)
        ++generation_;
    Window& added = *window;
    windows_[static_cast<std::size_t>(added.kind())] = std::move(window);
    platform_.windowLoaded(added);
}

void Game::Show(Window& window)
{
    // Activated first, so the window shows its skin from the first frame.
    window.Form_Activate();
    platform_.showWindow(window);
}

void Game::ShowModal(Window& window)
{
    window.Form_Activate();
    platform_.runModal(window);
}

bool Game::isLoaded(const Window& window) const
{
    // Compares addresses only: the window asked about may be one already unloaded.
    return std::ranges::any_of(windows_, [&](const auto& loaded) { return loaded.get() == &window; });
}

void Game::unload(Window& window)
{
    if (!isLoaded(window))
        return;
    window.Form_Unload();
    platform_.windowUnloaded(window);
    // A handler of this window may still be on the stack; it goes at the next safe point.
    auto& slot = windows_[static_cast<std::size_t>(window.kind())];
    if (slot.get() == &window)
        retired_.push_back(std::move(slot));
}

void Game::unloadAll(bool mainWindowToo)
{
    for (std::size_t k = 0; k < kWindowKinds; ++k) {
        const auto kind = static_cast<WindowKind>(k);
        if (Window* window = find(kind); window && (mainWindowToo || kind != WindowKind::Rara))
            unload(*window);
    }
}

void Game::RecordsChanged()
{
    for (const auto& window : windows_)
        if (window)
            window->RecordsChanged();
}

void Game::EndProgram()
{
    if (ended_)
        return;
    ended_ = true;
    unloadAll(true);
    platform_.quit();
}

} // namespace kx
