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

// The buttons a test can press on the pager; Close stands for the window
// system's close command.
enum Press : int { Close = 0, Okay = 1, Yes = 2, No = 3 };

// One message the pager showed: its text and the buttons it offered.
struct PagerMessage {
    std::string text;
    bool okay = false, yes = false, no = false;
};

struct InputRequest {
    std::string prompt, title, defaultText;
};

// The window system as the engine sees it, without windows: a clock that
// moves only when waited on, text six pixels to a character, and scripted
// answers for the input box and the pager (without a script, "Okay" or "No").
class FakePlatform final : public kx::Platform {
public:
    // Script.
    std::deque<std::string> inputAnswers;
    std::deque<int> pagerPresses; // a Press each
    // Runs once for each new message while it shows, before it is answered.
    std::function<void(kx::frmPager&)> whilePagerShows;
    // Runs for each window shown modally other than the pager; it plays the
    // player's part.  A window it leaves open is then closed, as by its close mark.
    std::function<void(kx::Window&)> whileModal;
    // Runs for each input box before it is answered.
    std::function<void(const InputRequest&)> whileInputShows;
    // Runs inside each wait, once the clock has moved on; it may press
    // buttons or close windows in the middle of a long action.
    std::function<void(double seconds)> whileWaiting;
    // Runs each time the engine lets pending window events run.
    std::function<void()> whileProcessingEvents;
    double charWidth = 6;
    double dayStartSeconds = 45000.25; // the time of day when the clock reads 0
    std::vector<std::string> sounds; // every sound asked for, in order
    std::string date = "12/6/2026";
    std::string time = "12:30:00 PM";

    // Records.
    double clock = 0;
    std::vector<InputRequest> inputs;
    std::vector<PagerMessage> messages;
    std::vector<double> waited; // the seconds of each wait, in order
    std::vector<std::string> events; // "show Kestrix", "pager <text>", "modal <caption>", "input <title>", "quit"
    int quitCalls = 0, refreshCalls = 0, safePoints = 0, eventRuns = 0;

    // Forgets what was recorded so far (the script stays).
    void clearRecords();
    std::vector<std::string> messageTexts() const;

    void processEvents() override;
    void wait(double seconds) override;
    double monotonicSeconds() override;
    double timeOfDaySeconds() override;
    std::string dateText() override { return date; }
    std::string timeText() override { return time; }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void windowLoaded(kx::Window&) override {}
    void windowUnloaded(kx::Window& window) override;
    void showWindow(kx::Window& window) override;
    void runModal(kx::Window& window) override;
    void minimiseWindow(kx::Window&) override {}
    void dragWindow(kx::Window&) override {}
    double textWidth(kx::FontRole font, const std::string& text) override;
    void setClipboardText(const std::string&) override {}
    void playSound(const std::string& path) override { sounds.push_back(path); }
    std::string programFolder() override { return "/kestrix"; }
    void refreshViews() override;
    void atSafePoint() override;
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
