#include "QtPlatform.h"

#include "FramelessView.h"
#include "QtImage.h"
#include "Look.h"
#include "NameOnlyIcons.h"
#include "TextCodec.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QAudioDevice>
#include <QClipboard>
#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QEventLoop>
#include <QKeySequence>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace kx {

QtPlatform::QtPlatform(std::function<void()> endApplication)
    : windows_([this](QEventLoop& loop) { runLoop(loop); }), endApplication_(std::move(endApplication))
{
    clock_.start();
    // Found from the program itself, so the game runs from whatever prefix it was installed in;
    // the build tells the way from the program's folder to the installed data.
    const QString program = QCoreApplication::applicationDirPath();
    const QString installed = QDir::cleanPath(program + "/" KESTRIX_INSTALLED_DATA);
    ownsProgramFolder_ = !QFileInfo(installed).isDir();
    // Paths are kept in the file system's own bytes, whatever letters they hold.
    programFolder_ = QFile::encodeName(ownsProgramFolder_ ? program : installed).toStdString();
}

std::function<void()> QtPlatform::defaultEnd()
{
    return [] { QCoreApplication::exit(0); };
}

void QtPlatform::runLoop(QEventLoop& loop)
{
    loops_.push_back(&loop);
    loop.exec();
    std::erase(loops_, &loop);
}

QtPlatform::~QtPlatform() = default;

FramelessView* QtPlatform::viewOf(const Window& window) const { return windows_.viewOf(window); }

FramelessView* QtPlatform::mainView() const { return windows_.mainView(); }

void QtPlatform::processEvents()
{
    QCoreApplication::processEvents();
}

void QtPlatform::wait(double seconds)
{
    if (quitting_)
        return;
    // A nested loop ended by a timer waits without keeping a processor busy.
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::lround(seconds * timeScale_ * 1000)), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    runLoop(loop);
}

double QtPlatform::monotonicSeconds() { return clock_.nsecsElapsed() / 1e9; }

double QtPlatform::timeOfDaySeconds()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::string QtPlatform::dateText()
{
    return fromQString(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtPlatform::timeText()
{
    // The long format with seconds, without the time zone some locales add.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression("\\s*t+"));
    return fromQString(QLocale::system().toString(QTime::currentTime(), format.trimmed()));
}

void QtPlatform::setClipboardText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}

namespace {

// How wide a dialog must be for a window manager to show its whole title: the
// manager writes it in a font of its own, often bold and larger, beside an
// icon and its buttons.
int titleRoom(const QString& title)
{
    constexpr int kIconAndButtons = 160;
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    return QFontMetrics(font).horizontalAdvance(title) + kIconAndButtons;
}

} // namespace

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText)
{
    if (quitting_)
        return {};
    QWidget* parent = mainView();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(toQString(title));
    dialog.setLabelText(toQString(prompt));
    dialog.setTextValue(toQString(defaultText));
    // The box's layout sets its least width from its contents: widen the line.
    if (auto* line = dialog.findChild<QLineEdit*>()) {
        const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
        line->setMinimumWidth(titleRoom(dialog.windowTitle()) - margins.left() - margins.right());
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    QPointer<QInputDialog> guard(&dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    windows_.keyboardBack();
    return accepted && guard ? fromQString(dialog.textValue()) : std::string{};
}

std::filesystem::path QtPlatform::fileDialog(bool saving, const std::string& title,
                                             const std::filesystem::path& folder,
                                             const std::string& filter)
{
    if (quitting_)
        return {};
    // Qt's own dialog, so that it runs modally in this process on every desktop.
    NameOnlyIcons icons; // outlives the dialog that asks it
    QFileDialog dialog(mainView(), toQString(title), QFile::decodeName(folder.c_str()),
                       toQString(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setWindowModality(Qt::ApplicationModal);
    QPointer<QFileDialog> guard(&dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    windows_.keyboardBack();
    if (!accepted || !guard || dialog.selectedFiles().isEmpty())
        return {};
    return std::filesystem::path(QFile::encodeName(dialog.selectedFiles().front()).toStdString());
}

std::filesystem::path QtPlatform::openFileDialog(const std::string& title,
                                                 const std::filesystem::path& folder,
                                                 const std::string& filter)
{
    return fileDialog(false, title, folder, filter);
}

std::filesystem::path QtPlatform::saveFileDialog(const std::string& title,
                                                 const std::filesystem::path& folder,
                                                 const std::string& filter)
{
    return fileDialog(true, title, folder, filter);
}

bool QtPlatform::openDocument(const std::filesystem::path& file)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
}

void QtPlatform::windowLoaded(Window& window) { windows_.loaded(window); }

void QtPlatform::windowUnloaded(Window& window) { windows_.unloaded(window); }

void QtPlatform::showWindow(Window& window) { windows_.show(window); }

void QtPlatform::runModal(Window& window) { windows_.runModal(window); }

void QtPlatform::minimiseWindow(Window& window) { windows_.minimise(window); }

void QtPlatform::dragWindow(Window& window) { windows_.drag(window); }

void QtPlatform::setTopmost(Window& window, bool topmost) { windows_.setTopmost(window, topmost); }

namespace {

// Adds the children of `model` to `menu`; choosing an item names it in `chosen`
// and closes the whole menu, so that `root`'s exec returns.
void fillMenu(QMenu& menu, const MenuItem& model, std::string& chosen, QMenu& root)
{
    for (const MenuItem& item : model.children) {
        if (item.Caption == "-") {
            menu.addSeparator();
        } else if (!item.children.empty()) {
            QMenu* submenu = menu.addMenu(toQString(item.Caption));
            submenu->setEnabled(item.Enabled);
            fillMenu(*submenu, item, chosen, root);
        } else {
            QAction* action = menu.addAction(toQString(item.Caption));
            action->setCheckable(item.Checkable);
            action->setChecked(item.Checked);
            action->setEnabled(item.Enabled);
            if (!item.Shortcut.empty())
                action->setShortcut(QKeySequence(QString::fromStdString(item.Shortcut)));
            QObject::connect(action, &QAction::triggered, &root, [&chosen, &root, name = item.name] {
                chosen = name;
                root.close();
            });
        }
    }
}

} // namespace

std::string QtPlatform::popupMenu(Window& owner, const Rect& under, const MenuItem& menu)
{
    FramelessView* view = viewOf(owner);
    if (!view || quitting_)
        return {};
    // Without a parent: the menu is gone before the owner's view may be.
    QMenu popup;
    popup.setStyleSheet(look::styleSheet());
    popup.setFont(look::uiFont());
    std::string chosen;
    fillMenu(popup, menu, chosen, popup);
    const QRect control = look::pixels(under);
    popup.exec(view->mapToGlobal(QPoint(control.left(), control.top() + control.height())));
    return chosen;
}

double QtPlatform::textWidth(FontRole font, const std::string& text)
{
    // A scrolling strip asks for the width of the same text at every tick, and
    // measuring means shaping it afresh.  Few texts scroll in a game.
    auto key = std::pair(font, text);
    if (const auto known = textWidths_.find(key); known != textWidths_.end())
        return known->second;
    if (textWidths_.size() >= 64)
        textWidths_.clear();
    const double width = QFontMetricsF(look::stripFont(font)).horizontalAdvance(toQString(text));
    textWidths_.emplace(std::move(key), width);
    return width;
}

Image QtPlatform::loadPicture(const std::filesystem::path& file)
{
    // The header tells whether the file is a picture; the rest waits for a window to show it.
    const QString name = QFile::decodeName(file.c_str());
    if (!QImageReader(name).canRead())
        return nullptr;
    return std::make_shared<const QtImage>(name);
}

void QtPlatform::playSound(const std::string& path)
{
    const QString file = QFile::decodeName(path.c_str());
    if (!QFileInfo(file).isFile() || QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!sound_)
        sound_ = std::make_unique<QSoundEffect>();
    sound_->stop();
    sound_->setSource(QUrl::fromLocalFile(file));
    sound_->play();
}

std::filesystem::path QtPlatform::dataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

std::string QtPlatform::programFolder() { return programFolder_; }

bool QtPlatform::ownsProgramFolder() { return ownsProgramFolder_; }

void QtPlatform::refreshViews() { windows_.refresh(); }

void QtPlatform::atSafePoint() { windows_.atSafePoint(); }

void QtPlatform::quit()
{
    quitting_ = true;
    windows_.close();
    // Waits, modal windows and an open input box return at once.
    for (QEventLoop* loop : loops_)
        loop->quit();
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
    // An open menu and its submenus close from the innermost out.
    for (QWidget* popup = QApplication::activePopupWidget(); popup;) {
        popup->close();
        QWidget* next = QApplication::activePopupWidget();
        popup = next == popup ? nullptr : next;
    }
    endApplication_();
}

} // namespace kx
