#include "Game.h"

#include "RandomSource.h"
#include "economy/frmPager.h"
#include "frmRara.h"
#include "terminal/frmTerminal.h"

namespace kx {

Game::Game(Platform& platform, RandomSource& random) : platform_(platform), random_(random) {}

Game::~Game()
{
    // Views must let go of their windows before the windows go.
    for (Window* window : {static_cast<Window*>(pager_.get()), static_cast<Window*>(terminal_.get()),
                           static_cast<Window*>(rara_.get())})
        if (window)
            platform_.windowUnloaded(*window);
}

void Game::start()
{
    dispatch([this] { loadRara(); });
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

template <typename Form>
Form& Game::load(std::unique_ptr<Form>& slot)
{
    slot = std::make_unique<Form>(*this);
    Form& window = *slot;
    platform_.windowLoaded(window);
    window.Form_Load();
    return window;
}

frmRara& Game::loadRara()
{
    ++generation_;
    return load(rara_);
}

frmPager& Game::loadPager() { return load(pager_); }

frmTerminal& Game::loadTerminal() { return load(terminal_); }

bool Game::isLoaded(const Window& window) const
{
    return &window == rara_.get() || &window == pager_.get() || &window == terminal_.get();
}

void Game::unload(Window& window)
{
    if (!isLoaded(window))
        return;
    window.Form_Unload();
    platform_.windowUnloaded(window);
    if (&window == rara_.get())
        retire(std::move(rara_));
    else if (&window == pager_.get())
        retire(std::move(pager_));
    else if (&window == terminal_.get())
        retire(std::move(terminal_));
}

void Game::retire(std::unique_ptr<Window> window)
{
    // A handler of this window may still be on the stack; it goes at the next safe point.
    retired_.push_back(std::move(window));
}

void Game::EndProgram()
{
    if (ended_)
        return;
    ended_ = true;
    if (pager_)
        unload(*pager_);
    if (terminal_)
        unload(*terminal_);
    if (rara_)
        unload(*rara_);
    platform_.quit();
}

} // namespace kx
