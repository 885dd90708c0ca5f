#include "LongAction.h"

#include "Game.h"

namespace kx {

LongAction::LongAction(Window& window, Claim claim)
    : game_(window.game()), window_(window), generation_(game_.generation()),
      claim_(claim == Claim::Exclusive ? ++window.claims_ : 0)
{
}

bool LongAction::alive() const
{
    // The window is read only while it is loaded: an unloaded one may be waiting to go.
    return game_.isLoaded(window_) && !game_.ended() && game_.generation() == generation_ &&
           (claim_ == 0 || window_.claims_ == claim_);
}

} // namespace kx
