#include "WindowStack.h"

#include "FramelessView.h"
#include "ViewFactory.h"
#include "WindowPlacement.h"
#include "core/Game.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>

#include <algorithm>

namespace kx {

WindowStack::WindowStack(std::function<void(QEventLoop&)> runLoop) : runLoop_(std::move(runLoop)) {}

WindowStack::~WindowStack()
{
    for (auto& [window, view] : views_)
        delete view;
    for (auto& view : retired_)
        delete view.data();
}

FramelessView* WindowStack::viewOf(const Window& window) const
{
    const auto found = views_.find(&window);
    return found == views_.end() ? nullptr : found->second;
}

FramelessView* WindowStack::mainView() const
{
    const Window* main = game_ ? game_->find(WindowKind::Rara) : nullptr;
    return main ? viewOf(*main) : nullptr;
}

void WindowStack::loaded(Window& window)
{
    FramelessView* view = makeView(*game_, window);
    if (!view)
        return;
    views_[&window] = view;
    place(*view, window);
}

void WindowStack::place(FramelessView& view, const Window& window)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    FramelessView* main = mainView();
    if (window.kind() == WindowKind::Rara || !main || !main->isVisible()) {
        view.move(screen.center() - view.rect().center());
    } else if (window.kind() == WindowKind::Pager || window.kind() == WindowKind::Menu) {
        // A message stands over the window that asked.
        const QWidget* asking = QApplication::activeWindow();
        const QWidget* over = asking && asking->isVisible() ? asking : main;
        view.move(over->geometry().center() - view.rect().center());
    } else {
        std::vector<QRect> others;
        for (const auto& [shown, other] : views_)
            if (other != main && other != &view && other->isVisible())
                others.push_back(other->frameGeometry());
        view.move(PlaceBeside(view.frameSize(), main->frameGeometry(), screen, others));
    }
}

void WindowStack::unloaded(Window& window)
{
    const auto found = views_.find(&window);
    if (found == views_.end())
        return;
    FramelessView* view = found->second;
    views_.erase(found);
    view->detach();
    retired_.emplace_back(view);
    keyboardBack();
}

void WindowStack::show(Window& window)
{
    if (FramelessView* view = viewOf(window); view && !closed_) {
        view->sync();
        // A window shown again comes back from the task bar too.
        view->isMinimized() ? view->showNormal() : view->show();
        bringForward(*view);
    }
}

void WindowStack::bringForward(FramelessView& view)
{
    view.raise();
    view.activateWindow();
    std::erase(shownOrder_, &view);
    shownOrder_.emplace_back(&view);
}

void WindowStack::keyboardBack()
{
    // The window system may not have told of the last change yet: a hidden
    // window still counts as active until it has.
    if (const QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return;
    std::erase(shownOrder_, nullptr);
    for (auto view = shownOrder_.rbegin(); view != shownOrder_.rend(); ++view)
        if ((*view)->isVisible() && !(*view)->isMinimized()) {
            (*view)->activateWindow();
            return;
        }
}

void WindowStack::runModal(Window& window)
{
    FramelessView* view = viewOf(window);
    if (!view || closed_)
        return;
    QEventLoop loop;
    QObject::connect(view, &FramelessView::unloaded, &loop, &QEventLoop::quit);
    view->sync();
    if (!view->isVisible()) {
        view->setWindowModality(Qt::ApplicationModal);
        view->show();
    }
    bringForward(*view);
    runLoop_(loop);
}

void WindowStack::minimise(Window& window)
{
    if (FramelessView* view = viewOf(window))
        view->showMinimized();
}

void WindowStack::drag(Window& window)
{
    if (FramelessView* view = viewOf(window))
        view->beginDrag();
}

void WindowStack::setTopmost(Window& window, bool topmost)
{
    FramelessView* view = viewOf(window);
    if (!view || view->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    // Changing a window's flags hides it: show it again as it was.
    const bool shown = view->isVisible();
    view->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown)
        view->show();
}

void WindowStack::refresh()
{
    for (auto& [window, view] : views_)
        view->sync();
}

void WindowStack::atSafePoint()
{
    for (auto& view : retired_)
        if (view)
            view->deleteLater();
    retired_.clear();
}

void WindowStack::close()
{
    closed_ = true;
    for (auto& [window, view] : views_)
        view->hide();
}

} // namespace kx
