#include "ViewHarness.h"

#include "qt/Accessibility.h"
#include "storage/GuideSetting.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace kx;

// Every view test program defines its test object and shares this start.
QObject* makeViewTest();

int main(int argc, char* argv[])
{
    // The tests draw on no screen; their runner may start them without CTest's environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InstallAccessibility();
    std::unique_ptr<QObject> test(makeViewTest());
    return QTest::qExec(test.get(), argc, argv);
}

ViewHarness::ViewHarness()
{
    QObject::connect(&answering_, &QTimer::timeout, [this] { answerModal(); });
    QDesktopServices::setUrlHandler("file", &documents, "open");
}

ViewHarness::~ViewHarness() { QDesktopServices::unsetUrlHandler("file"); }

void ViewHarness::newGame(const QString& alias, double timeScale, bool keys)
{
    reset();
    platform = std::make_unique<QtPlatform>([] {});
    platform->setTimeScale(timeScale);
    game = std::make_unique<Game>(*platform, random_);
    platform->attach(*game);
    choosePager = [](PagerView&, bool asks) { return asks ? 3 : 1; };
    chooseInput = [alias](const QString& title) { return title == "Welcome newbie!" ? alias : ""; };
    chooseMenu = [](QMenu& menu) { menu.close(); };
    chooseFile = [](const QString&) { return QString(); };
    byKeys = keys;
    answering_.start(5);
    KeepGuideWanted(*game, guideShown);
    game->start();
}

bool ViewHarness::reset()
{
    answering_.stop();
    game.reset();
    platform.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return std::ranges::none_of(QApplication::topLevelWidgets(), &QWidget::isVisible);
}

// The modal window on top is the one the player can answer.
void ViewHarness::answerModal()
{
    // A menu grabs the mouse over every window, so it comes first.
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        chooseMenu(*menu);
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    // A keyboard player waits until the window on top has the keyboard.
    if (byKeys && modal && !modal->isAncestorOf(QApplication::focusWidget()))
        return;
    if (auto* pager = dynamic_cast<PagerView*>(modal)) {
        const int answer = choosePager(*pager, pager->button(2)->isVisible());
        if (answer > 0 && byKeys)
            QTest::keyClick(QApplication::focusWidget(), answer == 3 ? Qt::Key_Escape : Qt::Key_Return);
        else if (answer > 0)
            QTest::mouseClick(pager->button(answer), Qt::LeftButton);
        else if (answer == 0)
            pager->close();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        const QString chosen = chooseFile(files->windowTitle());
        if (chosen.isEmpty()) {
            files->reject(); // the player thinks better of it
        } else {
            files->selectFile(chosen);
            static_cast<QDialog*>(files)->done(QDialog::Accepted); // taken as typed, missing or not
        }
    } else if (auto* box = qobject_cast<QInputDialog*>(modal); box && byKeys) {
        QTest::keyClicks(QApplication::focusWidget(), chooseInput(box->windowTitle()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else if (box) {
        box->setTextValue(chooseInput(box->windowTitle()));
        box->accept();
    }
}
