#pragma once

#include "platform/Platform.h"

#include <filesystem>
#include <functional>
#include <string>

namespace kx {

class frmPager;

// The window system for play without one: a program drives the game through
// the windows' handlers and answers through the hooks below.  The clock moves
// only when the game waits on it and reads 12:30:00.25 PM at 0, text is
// measured at a fixed width per character, pictures are never decoded and no
// sound is played.
class HeadlessPlatform : public Platform {
public:
    // The buttons of the pager; Close is the window system's close command.
    enum PagerButton : int { Close = 0, Okay = 1, Yes = 2, No = 3 };

    // `data` is the writable folder, made when the game first asks for it.
    HeadlessPlatform(std::filesystem::path data, std::string programFolder);

    // How the driver answers.  Any hook may also act on the game (click, type,
    // close windows); without hooks the player does nothing and dismisses
    // whatever asks.
    // Runs once for each message as it comes up.
    std::function<void(frmPager&)> whilePagerShows;
    // The button pressed on a message still up after that, and again each
    // time the game waits on it; without it "Okay" when offered, else "No".
    std::function<PagerButton(const frmPager&)> answerPager;
    // The text typed into an input box; without it the box is cancelled.
    std::function<std::string(const std::string& prompt, const std::string& title,
                              const std::string& defaultText)>
        answerInput;
    // The file chosen in a file dialog; without it, or with an empty path, the dialog is cancelled.
    std::function<std::filesystem::path(bool saving, const std::string& title,
                                        const std::filesystem::path& folder)>
        answerFileDialog;
    // The player's work in any other modal window; one it leaves open is closed.
    std::function<void(Window&)> whileModal;
    // The name of the popup menu's item chosen; without it none is.
    std::function<std::string(const MenuItem& menu)> answerMenu;
    // Inside each wait, once the clock has moved on.
    std::function<void(double seconds)> whileWaiting;
    // Each time the game lets window events run.
    std::function<void()> whileProcessingEvents;

    std::filesystem::path data; // the writable folder
    double charWidth = 6; // pixels
    double clock = 0; // seconds waited so far

    void processEvents() override;
    void wait(double seconds) override;
    double monotonicSeconds() override { return clock; }
    double timeOfDaySeconds() override { return 45000.25 + clock; }
    std::string dateText() override { return "12/6/2026"; }
    std::string timeText() override { return "12:30:00 PM"; }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::filesystem::path openFileDialog(const std::string& title, const std::filesystem::path& folder,
                                         const std::string& filter) override;
    std::filesystem::path saveFileDialog(const std::string& title, const std::filesystem::path& folder,
                                         const std::string& filter) override;
    bool openDocument(const std::filesystem::path&) override { return false; }
    void windowLoaded(Window&) override {}
    void windowUnloaded(Window& window) override;
    void showWindow(Window&) override {}
    void runModal(Window& window) override;
    void minimiseWindow(Window&) override {}
    void dragWindow(Window&) override {}
    void setTopmost(Window&, bool) override {}
    std::string popupMenu(Window& owner, const Rect& under, const MenuItem& menu) override;
    double textWidth(FontRole, const std::string& text) override { return charWidth * text.size(); }
    void setClipboardText(const std::string&) override {}
    Image loadPicture(const std::filesystem::path&) override { return nullptr; }
    void playSound(const std::string&) override {}
    std::string programFolder() override { return programFolder_; }
    std::filesystem::path dataFolder() override;
    void refreshViews() override {}
    void atSafePoint() override {}
    void quit() override {}

protected:
    // The message up since its hook ran, answered again when the game waits on it once more.
    const Window* messageUp() const { return pagerUp_; }

private:
    void answerMessage(frmPager& pager);

    std::string programFolder_;
    const Window* pagerUp_ = nullptr;
};

} // namespace kx
