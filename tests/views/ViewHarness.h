#pragma once

#include "core/Game.h"
#include "core/RandomSource.h"
#include "qt/PagerView.h"
#include "qt/QtPlatform.h"
#include "qt/RaraView.h"
#include "terminal/frmTerminal.h"

#include <QCoreApplication>
#include <QList>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

class QMenu;

// Takes the documents the game opens, so that no test starts the desktop's programs.
class DocumentCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// A game on the Qt front end, as the view tests drive it: a platform whose end
// of the program ends nothing but the game, and a player who answers each
// message and input box as it comes up.
class ViewHarness {
public:
    ViewHarness();
    ~ViewHarness();
    ViewHarness(const ViewHarness&) = delete;
    ViewHarness& operator=(const ViewHarness&) = delete;

    std::unique_ptr<kx::QtPlatform> platform;
    std::unique_ptr<kx::Game> game;
    // The player's answers: the pager button pressed (1 "Okay", 2 "Yes", 3 "No",
    // 0 the window's close command, below 0 none: the hook answered itself) and
    // the text entered in an input box, "" cancelling.  A new game starts answering "Okay", or "No" when asked, the
    // alias to the alias box and nothing to other boxes.
    std::function<int(kx::PagerView& pager, bool asks)> choosePager;
    std::function<QString(const QString& title)> chooseInput;
    // The player's hand on a menu that popped up: trigger an item or close it.
    // A new game closes every menu.
    std::function<void(QMenu& menu)> chooseMenu;
    // The file a file dialog is answered with; an empty one cancels, as a new game does.
    std::function<QString(const QString& title)> chooseFile;
    DocumentCatcher documents;
    // Answers messages and input boxes with the keys a keyboard player would
    // press, sent wherever the focus is: Enter or Escape, the text and Enter.
    bool byKeys = false;
    // Whether a new game's player wants the guide; the view tests start without it.
    bool guideShown = false;

    // Starts a new game whose alias box gets `alias`; waits run at `timeScale`.
    void newGame(const QString& alias = "neo", double timeScale = 1, bool keys = false);
    // Ends the game; false when a window of it is left on the screen.
    bool reset();

    // The game's windows; the terminal is null while it is not loaded.
    kx::frmRara* rara() const { return game->find<kx::frmRara>(); }
    kx::frmTerminal* terminal() const { return game->find<kx::frmTerminal>(); }
    kx::RaraView& mainView() const { return *static_cast<kx::RaraView*>(platform->viewOf(*rara())); }
    // Where a screenshot goes: beside the tests in the build folder.
    static QString shotPath(const char* name) { return qApp->applicationDirPath() + '/' + name; }

private:
    void answerModal();

    kx::ClockMixedRandom random_{42};
    QTimer answering_;
};
