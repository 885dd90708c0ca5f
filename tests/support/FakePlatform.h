#pragma once

#include "core/Window.h"
#include "economy/frmPager.h"
#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kxtest {

// The buttons a test can press on the pager; Close is the window system's close command.
enum Press : int { Close = 0, Okay = 1, Yes = 2, No = 3 };

// A message shown, and whether it offered "Yes" and "No".
struct PagerMessage { std::string text; bool yes = false, no = false; };
struct InputRequest { std::string prompt, title, defaultText; };
struct FileDialog { bool saving; std::string title; std::filesystem::path folder; std::string filter; };

// What the engine asked of the fake window system, in order.
struct PlatformRecords {
    std::vector<InputRequest> inputs;
    std::vector<PagerMessage> messages;
    std::vector<double> waited; // the seconds of each wait
    std::vector<FileDialog> fileDialogs;
    std::vector<std::filesystem::path> opened; // documents handed to the desktop
    // "show <caption>", "pager <text>", "modal <caption>", "input <title>", "quit",
    // "topmost <caption>", "not topmost <caption>"
    std::vector<std::string> events;
    int refreshCalls = 0, safePoints = 0, eventRuns = 0;
};

// The window system as the engine sees it, without windows: a clock that moves only when
// waited on and reads 12:30:00.25 PM at 0, text six pixels to a character, and scripted
// answers for the input box and the pager (without a script, "Okay" or "No").
class FakePlatform final : public kx::Platform, public PlatformRecords {
public:
    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // Script.  The hooks run while a new message, an input box or any other modal window
    // shows, inside each wait once the clock has moved on, and each time the engine lets
    // window events run; they may press buttons, close windows or replace themselves.
    std::deque<std::string> inputAnswers;
    std::deque<int> pagerPresses; // a Press each
    std::deque<std::filesystem::path> fileAnswers; // an empty path cancels
    std::deque<std::string> menuChoices; // the item chosen by name; "" or none dismisses
    std::filesystem::path data; // the writable folder: a fresh one of this platform's own
    std::function<void(kx::frmPager&)> whilePagerShows;
    std::function<void(const InputRequest&)> whileInputShows;
    std::function<void(kx::Window&)> whileModal;
    std::function<void(double seconds)> whileWaiting;
    std::function<void()> whileProcessingEvents;
    double charWidth = 6;
    double clock = 0;
    std::vector<std::string> sounds; // every sound asked for, kept by clearRecords

    // Forgets what was recorded so far; the script stays.
    void clearRecords() { static_cast<PlatformRecords&>(*this) = {}; }
    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const PagerMessage& m : messages)
            texts.push_back(m.text);
        return texts;
    }

    void processEvents() override
    {
        ++eventRuns;
        if (const auto hook = whileProcessingEvents)
            hook();
    }
    void wait(double seconds) override
    {
        clock += seconds;
        waited.push_back(seconds);
        if (const auto hook = whileWaiting)
            hook(seconds);
    }
    double monotonicSeconds() override { return clock; }
    double timeOfDaySeconds() override { return 45000.25 + clock; }
    std::string dateText() override { return "12/6/2026"; }
    std::string timeText() override { return "12:30:00 PM"; }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::filesystem::path openFileDialog(const std::string& title, const std::filesystem::path& folder,
                                         const std::string& filter) override
    {
        return answerFileDialog({false, title, folder, filter});
    }
    std::filesystem::path saveFileDialog(const std::string& title, const std::filesystem::path& folder,
                                         const std::string& filter) override
    {
        return answerFileDialog({true, title, folder, filter});
    }
    bool openDocument(const std::filesystem::path& file) override
    {
        opened.push_back(file);
        return true;
    }
    void windowLoaded(kx::Window&) override {}
    void windowUnloaded(kx::Window& window) override { if (&window == pagerUp_) pagerUp_ = nullptr; }
    void showWindow(kx::Window& window) override { events.push_back("show " + window.Caption()); }
    void runModal(kx::Window& window) override;
    void minimiseWindow(kx::Window&) override {}
    void dragWindow(kx::Window&) override {}
    void setTopmost(kx::Window& window, bool topmost) override
    {
        events.push_back((topmost ? "topmost " : "not topmost ") + window.Caption());
    }
    std::string popupMenu(kx::Window&, const kx::Rect&, const kx::MenuItem&) override
    {
        if (menuChoices.empty())
            return {};
        std::string chosen = std::move(menuChoices.front());
        menuChoices.pop_front();
        return chosen;
    }
    double textWidth(kx::FontRole, const std::string& text) override { return charWidth * text.size(); }
    void setClipboardText(const std::string&) override {}
    kx::Image loadPicture(const std::filesystem::path& file) override;
    // The file a picture held by the game was read from; empty for none.
    static std::string fileOf(const kx::Image& picture);
    void playSound(const std::string& path) override { sounds.push_back(path); }
    std::string programFolder() override { return "/kestrix"; }
    std::filesystem::path dataFolder() override;
    void refreshViews() override { ++refreshCalls; }
    void atSafePoint() override { ++safePoints; }
    void quit() override { events.push_back("quit"); }

private:
    std::filesystem::path answerFileDialog(FileDialog dialog);

    const kx::Window* pagerUp_ = nullptr; // the message showing, once recorded
};

} // namespace kxtest
