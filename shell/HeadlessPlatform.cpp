#include "HeadlessPlatform.h"

#include "core/Game.h"
#include "economy/frmPager.h"

namespace kx {

HeadlessPlatform::HeadlessPlatform(std::filesystem::path data, std::string programFolder)
    : data(std::move(data)), programFolder_(std::move(programFolder))
{
}

// Each hook is called through a copy, so that it may replace itself.
void HeadlessPlatform::processEvents()
{
    if (const auto hook = whileProcessingEvents)
        hook();
}

void HeadlessPlatform::wait(double seconds)
{
    clock += seconds;
    if (const auto hook = whileWaiting)
        hook(seconds);
}

std::string HeadlessPlatform::inputBox(const std::string& prompt, const std::string& title,
                                       const std::string& defaultText)
{
    const auto hook = answerInput;
    return hook ? hook(prompt, title, defaultText) : std::string();
}

std::filesystem::path HeadlessPlatform::openFileDialog(const std::string& title,
                                                       const std::filesystem::path& folder,
                                                       const std::string&)
{
    const auto hook = answerFileDialog;
    return hook ? hook(false, title, folder) : std::filesystem::path();
}

std::filesystem::path HeadlessPlatform::saveFileDialog(const std::string& title,
                                                       const std::filesystem::path& folder,
                                                       const std::string&)
{
    const auto hook = answerFileDialog;
    return hook ? hook(true, title, folder) : std::filesystem::path();
}

std::string HeadlessPlatform::popupMenu(Window&, const Rect&, const MenuItem& menu)
{
    const auto hook = answerMenu;
    return hook ? hook(menu) : std::string();
}

std::filesystem::path HeadlessPlatform::dataFolder()
{
    std::filesystem::create_directories(data);
    return data;
}

void HeadlessPlatform::windowUnloaded(Window& window)
{
    if (&window == pagerUp_)
        pagerUp_ = nullptr;
}

void HeadlessPlatform::runModal(Window& window)
{
    Game& game = window.game();
    if (window.kind() != WindowKind::Pager) {
        if (const auto hook = whileModal)
            hook(window);
        if (game.isLoaded(window))
            game.dispatch([&] { game.unload(window); });
        return;
    }
    auto& pager = static_cast<frmPager&>(window);
    // Waited on again (a new message queued behind it), the message showing
    // is answered without its hook running twice.
    if (&window != pagerUp_) {
        pagerUp_ = &window;
        if (const auto hook = whilePagerShows)
            hook(pager);
        if (!game.isLoaded(pager))
            return;
    }
    answerMessage(pager);
}

void HeadlessPlatform::answerMessage(frmPager& pager)
{
    const auto hook = answerPager;
    const PagerButton press = hook ? hook(pager) : pager.Command1.Visible ? Okay : No;
    using Click = void (frmPager::*)();
    static constexpr Click clicks[] = {&frmPager::Form_QueryUnload, &frmPager::Command1_Click,
                                       &frmPager::Command2_Click, &frmPager::Command3_Click};
    Game& game = pager.game();
    game.dispatch([&] { (pager.*clicks[press])(); });
}

} // namespace kx
