#include "ModalAnswerer.h"

#include "core/Game.h"
#include "qt/PagerView.h"
#include "qt/TextCodec.h"

#include <QApplication>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>

ModalAnswerer::ModalAnswerer(kx::Game& game) : game_(game)
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
}

void ModalAnswerer::poll()
{
    if (!answerPager())
        answerInput();
}

bool ModalAnswerer::answerPager()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* pager = dynamic_cast<kx::PagerView*>(widget);
        if (!pager || !pager->isVisible() || !pager->engineWindow())
            continue;
        pagerTexts << kx::toQString(game_.state.PagerText);
        if (onPager)
            onPager(*pager);
        const bool asks = pager->button(2)->isVisible();
        int answer = choosePager ? choosePager(asks) : asks ? 3 : 1;
        if (!pagerAnswers.empty()) {
            answer = pagerAnswers.front();
            pagerAnswers.pop_front();
        }
        if (answer == 0)
            pager->close();
        else
            QTest::mouseClick(pager->button(answer), Qt::LeftButton);
        return true;
    }
    return false;
}

bool ModalAnswerer::answerInput()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QInputDialog*>(widget);
        if (!dialog || !dialog->isVisible())
            continue;
        inputTitles << dialog->windowTitle();
        if (inputs.empty() && chooseInput) {
            dialog->setTextValue(chooseInput(dialog->windowTitle()));
            dialog->accept();
            return true;
        }
        if (inputs.empty()) {
            // An unscripted alias box would come back for ever: give it a name.
            if (dialog->windowTitle() == "Welcome newbie!") {
                dialog->setTextValue("tester");
                dialog->accept();
            } else {
                dialog->reject();
            }
            return true;
        }
        dialog->setTextValue(inputs.front());
        inputs.pop_front();
        dialog->accept();
        return true;
    }
    return false;
}
