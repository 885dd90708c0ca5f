#pragma once

#include "core/Window.h"
#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kx {
class frmPager;
} // namespace kx

namespace kxtest {

// The buttons a test can press on the pager; Close is the window system's close command.
enum Press : int { Close = 0, Okay = 1, Yes = 2, No = 3 };

struct PagerMessage {
    std::string text;
    bool okay = false, yes = false, no = false; // the buttons it offered
};

struct InputRequest {
    std::string prompt, title, defaultText;
};

// The window system as the engine sees it, without windows: a clock that
// moves only when waited on, text six pixels to a character, and scripted
// answers for the input box and the pager (without a script, "Okay" or "No").
class FakePlatform final : public kx::Platform {
public:
    // Script.  The hooks run while a new message shows, while an input box
    // shows, inside each wait once the clock has moved on, and each time the
    // engine lets window events run; they may press buttons or close windows.
    std::deque<std::string> inputAnswers;
    std::deque<int> pagerPresses; // a Press each
    std::function<void(kx::frmPager&)> whilePagerShows;
    std::function<void(const InputRequest&)> whileInputShows;
    std::function<void(kx::Window&)> whileModal; // any other window shown modally
    std::function<void(double seconds)> whileWaiting;
    std::function<void()> whileProcessingEvents;
    double charWidth = 6;
    double dayStartSeconds = 45000.25; // the time of day when the clock reads 0
    std::string date = "12/6/2026", time = "12:30:00 PM";

    // Records.
    double clock = 0;
    std::vector<InputRequest> inputs;
    std::vector<PagerMessage> messages;
    std::vector<double> waited; // the seconds of each wait, in order
    std::vector<std::string> events; // "show Kestrix", "pager <text>", "modal <caption>", "input <title>", "quit"
    std::vector<std::string> sounds; // every sound asked for, in order
    int quitCalls = 0, refreshCalls = 0, safePoints = 0, eventRuns = 0;

    // Forgets what was recorded so far (the script stays).
    void clearRecords();
    std::vector<std::string> messageTexts() const;

    void processEvents() override;
    void wait(double seconds) override;
    double monotonicSeconds() override { return clock; }
    double timeOfDaySeconds() override { return dayStartSeconds + clock; }
    std::string dateText() override { return date; }
    std::string timeText() override { return time; }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void windowLoaded(kx::Window&) override {}
    void windowUnloaded(kx::Window& window) override;
    void showWindow(kx::Window& window) override { events.push_back("show " + window.Caption()); }
    void runModal(kx::Window& window) override;
    void minimiseWindow(kx::Window&) override {}
    void dragWindow(kx::Window&) override {}
    double textWidth(kx::FontRole, const std::string& text) override
    {
        return charWidth * static_cast<double>(text.size());
    }
    void setClipboardText(const std::string&) override {}
    void playSound(const std::string& path) override { sounds.push_back(path); }
    std::string programFolder() override { return "/kestrix"; }
    void refreshViews() override { ++refreshCalls; }
    void atSafePoint() override { ++safePoints; }
    void quit() override;

private:
    void answerPager(kx::frmPager& pager, std::size_t message);

    struct Showing {
        const kx::Window* window;
        std::size_t message;
    };
    std::vector<Showing> showing_;
};

} // namespace kxtest
