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
    // Without a script the pager gets "Okay", or "No" when it asks.
    std::deque<int> pagerAnswers;
    std::deque<QString> inputs;
    QStringList pagerTexts;
    QStringList inputTitles;
    // Runs on each pager before it is answered.
    std::function<void(kx::PagerView&)> onPager;

private:
    void poll();
    bool answerPager();
    bool answerInput();

    kx::Game& game_;
    QTimer timer_;
};
