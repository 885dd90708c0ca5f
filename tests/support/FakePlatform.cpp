#include "FakePlatform.h"

#include "core/Game.h"
#include "economy/frmPager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kxtest {

namespace {

const char* pressName(int press)
{
    switch (press) {
    case Close: return "close";
    case Okay: return "Okay";
    case Yes: return "Yes";
    case No: return "No";
    default: return "?";
    }
}

} // namespace

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

void FakePlatform::processEvents()
{
    ++eventRuns;
    if (whileProcessingEvents) {
        const auto hook = whileProcessingEvents; // the hook may replace itself
        hook();
    }
}

void FakePlatform::wait(double seconds)
{
    clock += seconds;
    waited.push_back(seconds);
    if (whileWaiting) {
        const auto hook = whileWaiting; // the hook may replace itself
        hook(seconds);
    }
}

double FakePlatform::monotonicSeconds() { return clock; }

double FakePlatform::timeOfDaySeconds() { return dayStartSeconds + clock; }

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

void FakePlatform::showWindow(kx::Window& window) { events.push_back("show " + window.Caption()); }

void FakePlatform::runModal(kx::Window& window)
{
    kx::Game& game = window.game();
    if (window.kind() != kx::WindowKind::Pager) {
        events.push_back("modal " + window.Caption());
        if (whileModal) {
            const auto hook = whileModal; // the hook may replace itself
            hook(window);
        }
        if (game.isLoaded(window))
            game.dispatch([&] { game.unload(window); });
        return;
    }
    auto& pager = static_cast<kx::frmPager&>(window);

    // A second wait on a message already up (a new message queued behind it):
    // the player answers the one that is showing.
    const auto up = std::find_if(showing_.begin(), showing_.end(),
                                 [&](const Showing& s) { return s.window == &window; });
    if (up != showing_.end()) {
        answerPager(pager, up->message);
        return;
    }

    messages.push_back({game.state.PagerText, pager.Command1.Visible, pager.Command2.Visible,
                        pager.Command3.Visible});
    const std::size_t message = messages.size() - 1;
    events.push_back("pager " + game.state.PagerText);
    showing_.push_back({&window, message});
    if (whilePagerShows) {
        const auto hook = whilePagerShows; // the hook may replace itself
        hook(pager);
    }
    if (game.isLoaded(pager))
        answerPager(pager, message);
}

void FakePlatform::answerPager(kx::frmPager& pager, std::size_t message)
{
    const int fallback = pager.Command1.Visible ? Okay : No;
    int press = fallback;
    if (!pagerPresses.empty()) {
        press = pagerPresses.front();
        pagerPresses.pop_front();
    }
    const bool visible = press == Close || (press == Okay && pager.Command1.Visible) ||
                         (press == Yes && pager.Command2.Visible) ||
                         (press == No && pager.Command3.Visible);
    if (!visible) {
        ADD_FAILURE() << "Scripted " << pressName(press) << " for \"" << messages[message].text
                      << "\", which does not offer that button";
        press = fallback;
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

double FakePlatform::textWidth(kx::FontRole, const std::string& text)
{
    return charWidth * static_cast<double>(text.size());
}

void FakePlatform::refreshViews() { ++refreshCalls; }

void FakePlatform::atSafePoint() { ++safePoints; }

void FakePlatform::quit()
{
    ++quitCalls;
    events.push_back("quit");
}

} // namespace kxtest
