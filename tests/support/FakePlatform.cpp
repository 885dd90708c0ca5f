#include "FakePlatform.h"

#include "core/Game.h"
#include "economy/frmPager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kxtest {

void FakePlatform::clearRecords()
{
    inputs.clear();
    messages.clear();
    waited.clear();
    events.clear();
    quitCalls = refreshCalls = safePoints = eventRuns = 0;
}

std::vector<std::string> FakePlatform::messageTexts() const
{
    std::vector<std::string> texts;
    for (const PagerMessage& m : messages)
        texts.push_back(m.text);
    return texts;
}

// The hooks may replace themselves, so each runs from a copy.
void FakePlatform::processEvents()
{
    ++eventRuns;
    if (const auto hook = whileProcessingEvents)
        hook();
}

void FakePlatform::wait(double seconds)
{
    clock += seconds;
    waited.push_back(seconds);
    if (const auto hook = whileWaiting)
        hook(seconds);
}

std::string FakePlatform::inputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText)
{
    const InputRequest request{prompt, title, defaultText};
    inputs.push_back(request);
    events.push_back("input " + title);
    if (whileInputShows)
        whileInputShows(request);
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "Unscripted input box \"" << title << "\": " << prompt;
        return "Tester";
    }
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void FakePlatform::windowUnloaded(kx::Window& window)
{
    std::erase_if(showing_, [&](const Showing& s) { return s.window == &window; });
}

void FakePlatform::runModal(kx::Window& window)
{
    kx::Game& game = window.game();
    if (window.kind() != kx::WindowKind::Pager) {
        // The player's part is the hook's; a window it leaves open is closed.
        events.push_back("modal " + window.Caption());
        if (const auto hook = whileModal)
            hook(window);
        if (game.isLoaded(window))
            game.dispatch([&] { game.unload(window); });
        return;
    }
    auto& pager = static_cast<kx::frmPager&>(window);
    // A second wait on a message already up (a new message queued behind it):
    // the player answers the one that is showing.
    const auto up = std::find_if(showing_.begin(), showing_.end(),
                                 [&](const Showing& s) { return s.window == &window; });
    if (up != showing_.end())
        return answerPager(pager, up->message);

    messages.push_back({game.state.PagerText, pager.Command1.Visible, pager.Command2.Visible,
                        pager.Command3.Visible});
    const std::size_t message = messages.size() - 1;
    events.push_back("pager " + game.state.PagerText);
    showing_.push_back({&window, message});
    if (const auto hook = whilePagerShows)
        hook(pager);
    if (game.isLoaded(pager))
        answerPager(pager, message);
}

void FakePlatform::answerPager(kx::frmPager& pager, std::size_t message)
{
    int press = pager.Command1.Visible ? Okay : No;
    if (!pagerPresses.empty()) {
        press = pagerPresses.front();
        pagerPresses.pop_front();
    }
    const kx::Button* buttons[] = {nullptr, &pager.Command1, &pager.Command2, &pager.Command3};
    if (press != Close && !buttons[press]->Visible) {
        ADD_FAILURE() << "Scripted button " << press << " for \"" << messages[message].text
                      << "\", which does not offer it";
        press = pager.Command1.Visible ? Okay : No;
    }
    pager.game().dispatch([&] {
        switch (press) {
        case Okay: pager.Command1_Click(); break;
        case Yes: pager.Command2_Click(); break;
        case No: pager.Command3_Click(); break;
        default: pager.Form_QueryUnload(); break;
        }
    });
}

void FakePlatform::quit()
{
    ++quitCalls;
    events.push_back("quit");
}

} // namespace kxtest
