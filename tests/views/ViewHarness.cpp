#include "ViewHarness.h"

#include "core/frmRara.h"
#include "qt/RaraView.h"
#include "qt/TerminalView.h"
#include "terminal/frmTerminal.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kx;

void ViewHarness::newGame(const QString& alias, double timeScale)
{
    reset();
    platform = std::make_unique<QtPlatform>([] {});
    platform->setTimeScale(timeScale);
    random = std::make_unique<ClockMixedRandom>(42);
    game = std::make_unique<Game>(*platform, *random);
    platform->attach(*game);
    answerer = std::make_unique<ModalAnswerer>(*game);
    answerer->inputs.push_back(alias);
    game->start();
}

bool ViewHarness::reset()
{
    answerer.reset();
    game.reset();
    platform.reset();
    random.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            return false;
    return true;
}

RaraView& ViewHarness::mainView() const
{
    return *static_cast<RaraView*>(platform->viewOf(*rara()));
}

TerminalView& ViewHarness::connect() const
{
    QTest::mouseClick(mainView().button(1), Qt::LeftButton);
    return *static_cast<TerminalView*>(platform->viewOf(*terminal()));
}

void ViewHarness::type(TerminalView& view, const QString& line)
{
    view.input()->setFocus();
    QTest::keyClicks(view.input(), line);
    QTest::keyClick(view.input(), Qt::Key_Return);
}

QString ViewHarness::shotPath(const char* name)
{
    return QCoreApplication::applicationDirPath() + "/" + name;
}
