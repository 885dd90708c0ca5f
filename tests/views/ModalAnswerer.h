#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

namespace kx {
class Game;
class PagerView;
} // namespace kx

// Answers the game's modal windows as a player would: clicks a pager button
// and types into input boxes, from a script.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(kx::Game& game);

    // Pager answers in order: 1 "Okay", 2 "Yes", 3 "No", 0 closes the window.
    std::deque<int> pagerAnswers;
    std::deque<QString> inputs;
    QStringList pagerTexts;
    QStringList inputTitles;
    // Picks the answers and inputs the scripts run out of; by default a pager
    // gets "Okay", or "No" when it asks, and an input box is cancelled.
    std::function<int(bool asks)> choosePager;
    std::function<QString(const QString& title)> chooseInput;
    // Runs on each pager before it is answered.
    std::function<void(kx::PagerView&)> onPager;

private:
    void poll();
    bool answerPager();
    bool answerInput();

    kx::Game& game_;
    QTimer timer_;
};
