#pragma once

#include "WindowStack.h"
#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QEventLoop;
class QSoundEffect;

namespace kx {

class FramelessView;
class Game;

// The Platform on Qt: the services (nested event loops for waits, Qt's
// dialogs, clipboard, sound, folders and the clock) and the window stack,
// which holds one frameless view per engine window.
class QtPlatform final : public QObject, public Platform {
public:
    // `endApplication` ends the main event loop once the game is over; tests,
    // which run no main loop, pass their own.
    explicit QtPlatform(std::function<void()> endApplication = defaultEnd());
    ~QtPlatform() override;

    // The game whose windows the views dispatch to; set before it starts.
    void attach(Game& game) { windows_.attach(game); }
    FramelessView* viewOf(const Window& window) const;
    // The main window's view, when it is loaded.
    FramelessView* mainView() const;
    bool quitting() const { return quitting_; }
    // Every wait lasts `scale` times its length; tests run the game's pauses fast.
    void setTimeScale(double scale) { timeScale_ = scale; }

    void processEvents() override;
    void wait(double seconds) override;
    double monotonicSeconds() override;
    double timeOfDaySeconds() override;
    std::string dateText() override;
    std::string timeText() override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::filesystem::path openFileDialog(const std::string& title, const std::filesystem::path& folder,
                                         const std::string& filter) override;
    std::filesystem::path saveFileDialog(const std::string& title, const std::filesystem::path& folder,
                                         const std::string& filter) override;
    bool openDocument(const std::filesystem::path& file) override;
    void windowLoaded(Window& window) override;
    void windowUnloaded(Window& window) override;
    void showWindow(Window& window) override;
    void runModal(Window& window) override;
    void minimiseWindow(Window& window) override;
    void dragWindow(Window& window) override;
    void setTopmost(Window& window, bool topmost) override;
    std::string popupMenu(Window& owner, const Rect& under, const MenuItem& menu) override;
    double textWidth(FontRole font, const std::string& text) override;
    void setClipboardText(const std::string& text) override;
    Image loadPicture(const std::filesystem::path& file) override;
    void playSound(const std::string& path) override;
    std::string programFolder() override;
    bool ownsProgramFolder() override;
    std::filesystem::path dataFolder() override;
    void refreshViews() override;
    void atSafePoint() override;
    void quit() override;

private:
    std::filesystem::path fileDialog(bool saving, const std::string& title,
                                     const std::filesystem::path& folder, const std::string& filter);
    static std::function<void()> defaultEnd();
    // Runs a nested loop until `quit` or the end of the program stops it.
    void runLoop(QEventLoop& loop);

    WindowStack windows_;
    QElapsedTimer clock_;
    std::unique_ptr<QSoundEffect> sound_;
    std::map<std::pair<FontRole, std::string>, double> textWidths_;
    std::function<void()> endApplication_;
    std::string programFolder_;
    bool ownsProgramFolder_ = true;
    std::vector<QEventLoop*> loops_;
    bool quitting_ = false;
    double timeScale_ = 1;
};

} // namespace kx
