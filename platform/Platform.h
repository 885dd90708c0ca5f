#pragma once

#include "core/Controls.h"

#include <filesystem>
#include <string>

namespace kx {

class Window;

// Which font a text is measured in; each window prints in one of these.
enum class FontRole { StatusStrip, PagerStrip };

// Everything the engine asks of the window system, and nothing more.  The
// engine never touches the operating system beyond files and the standard
// library; the Qt front end implements this, the tests fake it.
class Platform {
public:
    virtual ~Platform() = default;

    // Runs the window events that are waiting, then returns.
    virtual void processEvents() = 0;
    // Returns after `seconds`, running window events meanwhile (never a busy loop).
    virtual void wait(double seconds) = 0;
    // A clock that never jumps back, in seconds.
    virtual double monotonicSeconds() = 0;
    // Seconds since local midnight, with fraction.
    virtual double timeOfDaySeconds() = 0;
    // Today's date and the time now, in the system's short date and long time formats.
    virtual std::string dateText() = 0;
    virtual std::string timeText() = 0;

    // A blocking input box; Cancel gives the empty text.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;

    // File dialogs: the file chosen, or an empty path when the player cancelled.
    // `filter` reads "Kestrix Games (*.kxg)".
    virtual std::filesystem::path openFileDialog(const std::string& title,
                                                 const std::filesystem::path& folder,
                                                 const std::string& filter) = 0;
    virtual std::filesystem::path saveFileDialog(const std::string& title,
                                                 const std::filesystem::path& folder,
                                                 const std::string& filter) = 0;
    // Opens a document with the desktop's program for it; false when none could.
    virtual bool openDocument(const std::filesystem::path& file) = 0;

    // A window object was created (build its view) or is going away (drop its view).
    virtual void windowLoaded(Window& window) = 0;
    virtual void windowUnloaded(Window& window) = 0;
    virtual void showWindow(Window& window) = 0;
    // Shows the window modally and returns once it has been unloaded.
    virtual void runModal(Window& window) = 0;
    virtual void minimiseWindow(Window& window) = 0;
    // Moves the window with the mouse, as if its caption had been pressed.
    virtual void dragWindow(Window& window) = 0;
    // Keeps the window above every other one, or lets it go back among them.
    virtual void setTopmost(Window& window, bool topmost) = 0;
    // Pops up `menu`'s children with their top left corner at the bottom left
    // corner of `under`, a control of `owner`, and waits, running window events,
    // until the player chooses or dismisses.  Gives the name of the item chosen,
    // or the empty text when none was.
    virtual std::string popupMenu(Window& owner, const Rect& under, const MenuItem& menu) = 0;

    // Width in pixels of `text` printed in the given font.
    virtual double textWidth(FontRole font, const std::string& text) = 0;
    // Puts plain text on the clipboard in place of what it held.
    virtual void setClipboardText(const std::string& text) = 0;
    // Decodes a picture file; none when the file is missing or cannot be decoded.
    virtual Image loadPicture(const std::filesystem::path& file) = 0;
    // Plays a WAV file without waiting; a new sound cuts off the one playing.
    virtual void playSound(const std::string& path) = 0;
    // The folder holding the game's own files (the default skin, sounds, help), without a trailing
    // separator: the program's own folder, or an installed game's share/kestrix.  Like every
    // path the engine holds, it is in the file system's bytes, not a game text.
    virtual std::string programFolder() = 0;
    // Whether the game may keep what it writes in programFolder() when the system lets it: a
    // build folder or an unpacked copy is the game's own, but an installed game's folder is
    // shared by every user, root among them.
    virtual bool ownsProgramFolder() { return true; }
    // A folder this user may write to, for the files the game keeps when the
    // program folder is read-only or not its own; it exists once this returns.
    virtual std::filesystem::path dataFolder() = 0;

    // The game state changed: views redraw what differs from what they show.
    virtual void refreshViews() = 0;
    // No handler is running: views of unloaded windows may now be destroyed.
    virtual void atSafePoint() = 0;
    // The program ends once the running handlers have returned.
    virtual void quit() = 0;
};

} // namespace kx
