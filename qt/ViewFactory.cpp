#include "ViewFactory.h"

#include "PagerView.h"
#include "RaraView.h"
#include "TerminalView.h"

namespace kx {

// One case for each kind of window; the compiler asks for a new kind's case.
FramelessView* makeView(Game& game, Window& window)
{
    switch (window.kind()) {
    case WindowKind::Pager: return new PagerView(game, static_cast<frmPager&>(window));
    case WindowKind::Terminal: return new TerminalView(game, static_cast<frmTerminal&>(window));
    case WindowKind::Rara: return new RaraView(game, static_cast<frmRara&>(window));
    }
    return nullptr;
}

} // namespace kx
