#include "ViewFactory.h"

#include "CreditsView.h"
#include "ScorelistView.h"
#include "FinanceView.h"
#include "GuideView.h"
#include "LedgerView.h"
#include "MessagesView.h"
#include "PagerView.h"
#include "RaraView.h"
#include "ShopView.h"
#include "TerminalView.h"

namespace kx {

// One case for each kind of window; the compiler asks for a new kind's case.
FramelessView* makeView(Game& game, Window& window)
{
    switch (window.kind()) {
    case WindowKind::Finance: return new FinanceView(game, static_cast<frmFinance&>(window));
    // The menu's carrier is never shown: its menu pops up from the main window's view.
    case WindowKind::Menu: return nullptr;
    case WindowKind::Pager: return new PagerView(game, static_cast<frmPager&>(window));
    case WindowKind::Terminal: return new TerminalView(game, static_cast<frmTerminal&>(window));
    case WindowKind::Credits: return new CreditsView(game, static_cast<frmCredits&>(window));
    case WindowKind::Scorelist: return new ScorelistView(game, static_cast<frmScorelist&>(window));
    case WindowKind::Shop: return new ShopView(game, static_cast<frmShop&>(window));
    case WindowKind::Messages: return new MessagesView(game, static_cast<frmMessages&>(window));
    case WindowKind::Ledger: return new LedgerView(game, static_cast<frmLedger&>(window));
    case WindowKind::Guide: return new GuideView(game, static_cast<frmGuide&>(window));
    case WindowKind::Rara: return new RaraView(game, static_cast<frmRara&>(window));
    }
    return nullptr;
}

} // namespace kx
