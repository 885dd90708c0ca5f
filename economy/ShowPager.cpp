#include "core/Game.h"
#include "frmPager.h"

namespace kx {

std::int16_t Game::ShowPager(const std::string& text, bool twoButtons,
                             const std::string& okayCaption)
{
    if (ended_)
        return twoButtons ? 3 : 1;
    // The message's window must outlive its unloading until its answer is read.
    Dispatching scope(*this);
    // A message raised while another is up waits its turn instead of taking
    // over the window that is already showing.
    while (frmPager* showing = find<frmPager>()) {
        if (ended_)
            break;
        ShowModal(*showing);
    }
    if (ended_)
        return twoButtons ? 3 : 1;
    frmPager& pager = load<frmPager>();
    state.PagerScroll = pager.Picture1.ScaleWidth();
    state.PagerText = text;
    pager.Command1.Caption = okayCaption;
    pager.Command1.Visible = !twoButtons;
    pager.Command2.Visible = twoButtons;
    pager.Command3.Visible = twoButtons;
    DoEvents();
    platform_.refreshViews();
    if (isLoaded(pager))
        ShowModal(pager);
    // PagerAnswer is shared: a message raised meanwhile may have been answered after this one.
    const auto answer = static_cast<std::int16_t>(pager.Answer);
    if (!ended_) {
        RecordMessage(state, text, answer == 1 ? okayCaption : answer == 2 ? "Yes" : "No");
        RecordsChanged();
    }
    return answer;
}

} // namespace kx
