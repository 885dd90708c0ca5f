// A plain Qt Widgets program that shows what Kestrix shows at its welcome and
// nothing more: the main window painted from its skin picture with its labels,
// buttons and a list of 35 servers, the pager over it with its scrolling
// message and beep, then the alias box.  After the alias, a click on the main
// window's strip scrolls a server's details through it, as the game's does.
// No game logic: the bench measures the game against this one.
// Usage: same_work [folder with main.jpg, popup.jpg, mview.jpg, pview.jpg and sounds/]
#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMediaDevices>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QStaticText>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QtMath>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QColor kText{0xd8, 0xde, 0xe6};
const QColor kStripText{0x7c, 0xf0, 0x8a};

QFont uiFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    return font;
}

QFont stripFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    return font;
}

// The rules the game's windows are dressed in, for one tone.
const char* const kStyleSheet = R"(
    QWidget { font-family: "DejaVu Sans"; font-size: 10px; }
    QDialog { color: #d8dee6; background: #1c2127; }
    QLabel { color: #d8dee6; background: transparent; }
    QPushButton { color: #d8dee6; background: #33404d; border: 1px solid #56687a;
                  border-radius: 2px; padding: 0px; }
    QPushButton:hover { background: #3d4c5c; }
    QPushButton:focus { border: 2px solid #7ee08f; }
    QPushButton:pressed { background: #26313b; }
    QPushButton:disabled { color: #6b7785; background: #262d35; border-color: #3a4450; }
    QTreeWidget { color: #d8dee6; background: #12161a; border: 1px solid #3a4450;
                  selection-background-color: #2f6f45; selection-color: #ffffff; }
    QHeaderView::section { color: #d8dee6; background: #2b333d; border: 0px;
                           border-right: 1px solid #3a4450; padding: 0px 3px; }
    QLineEdit { color: #d8dee6; background: #12161a; border: 1px solid #56687a;
                selection-background-color: #2f6f45; }
    QTreeWidget:focus, QLineEdit:focus { border-color: #7ee08f; }
    QScrollBar:vertical { background: #1c2127; width: 10px; }
    QScrollBar::handle:vertical { background: #4a596a; min-height: 12px; }
    QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }
    QAbstractScrollArea::corner { background: #1c2127; }
)";

// Calls `tick` 64 times a second on average from a 15 ms timer, a few at most
// at once after a stall: the pace of the game's strips.
class Ticker {
public:
    explicit Ticker(std::function<void()> tick) : tick_(std::move(tick))
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(15);
        QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
    }
    void start()
    {
        done_ = 0;
        clock_.start();
        timer_.start();
    }
    void stop() { timer_.stop(); }

private:
    void fire()
    {
        const long long due = clock_.nsecsElapsed() * 64 / 1'000'000'000;
        long long ticks = due - done_;
        if (ticks > 4) {
            done_ += ticks - 4;
            ticks = 4;
        }
        done_ += ticks;
        for (; ticks > 0 && timer_.isActive(); --ticks)
            tick_();
    }

    std::function<void()> tick_;
    QTimer timer_;
    QElapsedTimer clock_;
    long long done_ = 0;
};

// A strip over a picture with one text in it, moved two pixels a tick.
class Strip : public QWidget {
public:
    Strip(const QString& picture, QRect place, QWidget* parent) : QWidget(parent), ticker_([this] { step(); })
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(place);
        background_ = QPixmap(picture).scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    // Shows `text` still at `x`.
    void print(const QString& text, int x, int y)
    {
        ticker_.stop();
        text_.setText(text);
        text_.prepare(QTransform(), stripFont());
        x_ = x;
        y_ = y;
        update();
    }
    // Scrolls `text` in from the right edge; `repeat` starts it again once it has passed.
    void scroll(const QString& text, int y, bool repeat)
    {
        print(text, width(), y);
        repeat_ = repeat;
        ticker_.start();
    }
    void stop() { ticker_.stop(); }

    std::function<void()> onClick, onPassed;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, background_);
        painter.setPen(kStripText);
        painter.setFont(stripFont());
        painter.drawStaticText(QPointF(x_, y_), text_);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }

private:
    void step()
    {
        const int oldX = x_;
        x_ -= 2;
        if (x_ < -text_.size().width()) {
            if (!repeat_) {
                ticker_.stop();
                if (onPassed)
                    onPassed();
                return;
            }
            x_ = width();
        }
        const int left = std::min(oldX, x_);
        const int right = std::max(oldX, x_) + qCeil(text_.size().width());
        update(QRect(left - 2, 0, right - left + 4, height()).intersected(rect()));
    }

    QPixmap background_;
    QStaticText text_;
    int x_ = 0;
    int y_ = 0;
    bool repeat_ = false;
    Ticker ticker_;
};

// A window without the system's frame, painted from a picture within a rounded outline.
class SkinnedWindow : public QWidget {
public:
    SkinnedWindow(const QString& title, const QString& picture, QSize size, int titleWidth)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), background_(picture),
          titleStrip_(5, 5, titleWidth, 14)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setWindowTitle(title);
        setFont(uiFont());
        setStyleSheet(kStyleSheet);
        setFixedSize(size);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()), 3, 3);
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
    }

    QLabel* label(const QString& text, QRect place)
    {
        auto* label = new QLabel(text, this);
        label->setGeometry(place);
        return label;
    }
    QPushButton* button(const QString& text, QRect place)
    {
        auto* button = new QPushButton(text, this);
        button->setGeometry(place);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(true);
        return button;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        painter.setClipPath(outline);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), background_);
        painter.setPen(kText);
        painter.drawText(titleStrip_.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
    }

private:
    QPixmap background_;
    QRect titleStrip_;
};

struct Server {
    QString name, address, vulnerability;
};

QList<Server> servers()
{
    static const char* const first[] = {"Amber", "Basalt", "Cobalt", "Delta", "Ember", "Fjord", "Granite"};
    static const char* const second[] = {"Freight", "Holdings", "Labs", "Media", "Systems"};
    QList<Server> list;
    for (int i = 0; i < 35; ++i)
        list.append({QString("%1 %2").arg(QLatin1String(first[i % 7]), QLatin1String(second[i / 7])),
                     QString("%1.%2.%3.%4").arg(60 + i * 5).arg(17 * i % 251).arg(3 + i).arg(200 - i * 3),
                     QString::number(1 + i * 7 % 9)});
    return list;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QDir assets(arguments.size() > 1 ? arguments[1] : QCoreApplication::applicationDirPath() + "/..");

    // The main window: five captions with dotted leaders and their values, the
    // list's caption, seven buttons, the list and the strip.
    SkinnedWindow main("Kestrix", assets.filePath("main.jpg"), {401, 301}, 358);
    const char* const captions[] = {"Funds", "Forwarding Bank Accounts", "Holding Bank Accounts",
                                    "Personal Debt", "Funds in Bank"};
    const char* const values[] = {"$2,000", "1", "2", "$4,000", "$0"};
    for (int i = 0; i < 5; ++i) {
        main.label(QString(captions[i]).leftJustified(51, '.'), {8, 32 + 16 * i, 300, 13});
        main.label(values[i], {314, 32 + 16 * i, 79, 13});
    }
    const QList<Server> list = servers();
    main.label(QString("Vulnerable Servers - Total: %1").arg(list.size()), {8, 147, 385, 13});
    QList<QPushButton*> buttons;
    const char* const names[] = {"Save Game", "Load Game", "Finances", "Skip Day", "Other"};
    for (int i = 0; i < 5; ++i)
        buttons << main.button(names[i], {8 + 78 * i, 112, 73, 17});
    buttons << main.button("Connect", {8, 272, 73, 17});
    for (QPushButton* button : buttons)
        button->setEnabled(false);
    main.button("Items", {320, 272, 73, 17});

    auto* servers = new QTreeWidget(&main);
    servers->setGeometry(8, 160, 385, 105);
    servers->setRootIsDecorated(false);
    servers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    servers->header()->setFont(uiFont());
    servers->setUniformRowHeights(true);
    servers->setSelectionMode(QAbstractItemView::SingleSelection);
    servers->setAllColumnsShowFocus(true);
    servers->header()->setSectionsMovable(false);
    servers->setHeaderLabels({"Server Name", "Host", "Vuln"});
    const double shares[] = {0.5, 0.3, 0.16};
    for (int c = 0; c < 3; ++c)
        servers->setColumnWidth(c, static_cast<int>(servers->width() * shares[c]));
    QList<QTreeWidgetItem*> rows;
    for (const Server& server : list)
        rows << new QTreeWidgetItem(QStringList{server.name, server.address, server.vulnerability});
    servers->addTopLevelItems(rows);
    servers->setCurrentItem(rows.front());
    servers->setFocus();

    auto* strip = new Strip(assets.filePath("mview.jpg"), {84, 270, 229, 21}, &main);
    const QRect screen = main.screen()->availableGeometry();
    main.move(screen.center() - main.rect().center());
    main.show();

    // The pager over it, with its beep and its message going round.
    auto* pager = new SkinnedWindow("Pager Message", assets.filePath("popup.jpg"), {330, 120}, 300);
    auto* message = new Strip(assets.filePath("pview.jpg"), {10, 32, 310, 24}, pager);
    QPushButton* okay = pager->button("Okay", {128, 82, 73, 17});
    pager->button("Yes", {86, 82, 73, 17})->hide();
    pager->button("No", {171, 82, 73, 17})->hide();
    message->scroll("Welcome to Kestrix.  You're starting with a debt of $4,000 that will rise %10 each day.  "
                    "Each time you hack into something, or get caught by the police while hacking, one day "
                    "will pass.  You will also recieve messages from us when you need help, or even when we "
                    "need help.  Click 'Okay' to continue the game.",
                    7, true);
    std::unique_ptr<QSoundEffect> beep;
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        beep = std::make_unique<QSoundEffect>();
        beep->setSource(QUrl::fromLocalFile(assets.filePath("sounds/beep1.wav")));
        beep->play();
    }
    pager->move(main.geometry().center() - pager->rect().center());
    pager->setWindowModality(Qt::ApplicationModal);
    // The game lets pending events run between loading the pager and showing it:
    // the main window paints first whenever the window system has exposed it by then.
    QCoreApplication::processEvents();

    // Okay: the pager goes and the alias box asks; then the strip shows the
    // status line and a click scrolls the first server's details through it.
    QObject::connect(okay, &QPushButton::clicked, pager, [&, pager, message] {
        message->stop();
        pager->hide();
        pager->deleteLater();
        QTimer::singleShot(0, &main, [&] {
            QInputDialog box(&main);
            box.setWindowTitle("Welcome newbie!");
            box.setLabelText("Please enter your alias.");
            box.setTextValue("Newbie");
            box.setWindowModality(Qt::ApplicationModal);
            box.exec();
            QString alias = box.textValue();
            if (!alias.isEmpty())
                alias[0] = alias[0].toUpper();
            const QString status = alias + " on day 1";
            strip->print(status, 5, 6);
            for (QPushButton* button : buttons)
                button->setEnabled(true);
            const Server& first = list.front();
            strip->onClick = [strip, first] {
                strip->scroll("Name:  " + first.name + "     Address:  " + first.address +
                                  "     Vulnerability:  " + first.vulnerability,
                              6, false);
            };
            strip->onPassed = [strip, status] { strip->print(status, 5, 6); };
        });
    });
    pager->show();
    okay->setFocus();
    return app.exec();
}
