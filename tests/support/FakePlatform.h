#pragma once

#include "core/Window.h"
#include "economy/frmPager.h"
#include "shell/HeadlessPlatform.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kxtest {

// The buttons a test can press on the pager.
using Press = kx::HeadlessPlatform::PagerButton;
using enum kx::HeadlessPlatform::PagerButton;

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
    std::string clipboard; // the text last put on the clipboard
    // "show <caption>", "pager <text>", "modal <caption>", "input <title>", "quit",
    // "topmost <caption>", "not topmost <caption>"
    std::vector<std::string> events;
    int refreshCalls = 0, safePoints = 0, eventRuns = 0;
};

// The headless window system with scripted answers and a record of what was
// asked: without a script the pager answers "Okay" or "No", and an input box
// or a file dialog fails the test.  Text is six pixels to a character.
class FakePlatform final : public kx::HeadlessPlatform, public PlatformRecords {
public:
    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // Script.  whileInputShows runs while an input box shows, like the hooks
    // of the headless platform; data starts as a fresh folder of this platform's own.
    std::deque<std::string> inputAnswers;
    std::deque<int> pagerPresses; // a Press each
    std::deque<std::filesystem::path> fileAnswers; // an empty path cancels
    std::deque<std::string> menuChoices; // the item chosen by name; "" or none dismisses
    std::function<void(const InputRequest&)> whileInputShows;
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
        HeadlessPlatform::processEvents();
    }
    void wait(double seconds) override
    {
        waited.push_back(seconds);
        HeadlessPlatform::wait(seconds);
    }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::filesystem::path openFileDialog(const std::string& title, const std::filesystem::path& folder,
                                         const std::string& filter) override
    {
        return scriptedFile({false, title, folder, filter});
    }
    std::filesystem::path saveFileDialog(const std::string& title, const std::filesystem::path& folder,
                                         const std::string& filter) override
    {
        return scriptedFile({true, title, folder, filter});
    }
    bool openDocument(const std::filesystem::path& file) override
    {
        opened.push_back(file);
        return true;
    }
    void showWindow(kx::Window& window) override { events.push_back("show " + window.Caption()); }
    void runModal(kx::Window& window) override;
    void setTopmost(kx::Window& window, bool topmost) override
    {
        events.push_back((topmost ? "topmost " : "not topmost ") + window.Caption());
    }
    std::string popupMenu(kx::Window&, const kx::Rect&, const kx::MenuItem&) override
    {
        return next(menuChoices).value_or("");
    }
    kx::Image loadPicture(const std::filesystem::path& file) override;
    // The file a picture held by the game was read from; empty for none.
    static std::string fileOf(const kx::Image& picture);
    void playSound(const std::string& path) override { sounds.push_back(path); }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    void refreshViews() override { ++refreshCalls; }
    void atSafePoint() override { ++safePoints; }
    void quit() override { events.push_back("quit"); }

private:
    std::filesystem::path scriptedFile(FileDialog dialog);
    Press scriptedPress(const kx::frmPager& pager);
    // Takes the first answer of a script, none when it has run out.
    template <typename T> static std::optional<T> next(std::deque<T>& script)
    {
        if (script.empty())
            return std::nullopt;
        T answer = std::move(script.front());
        script.pop_front();
        return answer;
    }
};

} // namespace kxtest
