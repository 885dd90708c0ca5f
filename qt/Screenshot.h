#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace kx {

class Game;
class QtPlatform;

// Saves a picture of the game's windows once the first message has scrolled into view, then
// ends the game: players show what they saw, skin makers see a skin without playing.  Watches
// the application's events, so no view needs to know of it.
class ScreenshotAtFirstMessage final : public QObject {
public:
    ScreenshotAtFirstMessage(Game& game, QtPlatform& platform, QString file);
    bool saved() const { return saved_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* pagerView() const;
    void take();

    Game& game_;
    QtPlatform& platform_;
    QString file_;
    bool waiting_ = false;
    bool saved_ = false;
};

} // namespace kx
