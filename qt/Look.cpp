#include "Look.h"

#include <QImage>

#include <array>
#include <utility>

#include <cmath>

namespace kx::look {

QRect pixels(const Rect& twips)
{
    auto px = [](int t) { return static_cast<int>(std::lround(t / double(kTwipsPerPixel))); };
    return {px(twips.left), px(twips.top), px(twips.width), px(twips.height)};
}

QFont uiFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    return font;
}

QFont stripFont(FontRole)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    return font;
}

QFont terminalFont()
{
    QFont font("DejaVu Sans Mono");
    font.setStyleHint(QFont::Monospace);
    // Ascent and descent together fill a 13-pixel row, underscores included.
    font.setPixelSize(11);
    return font;
}

bool isLightUnder(const QImage& picture, const QRect& area)
{
    const QRect inside = area.intersected(picture.rect());
    if (inside.isEmpty())
        return false;
    // Summed in place over every fourth pixel of every fourth line: copying and
    // scaling the area for every label of a window cost more than the rest of
    // showing it, and a tone needs no more of a picture than that.
    constexpr int kStep = 4;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::array<long long, 3> sum{};
    long long count = 0;
    for (int y = inside.top(); y <= inside.bottom(); y += kStep) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); x += kStep) {
            sum[0] += qRed(line[x]);
            sum[1] += qGreen(line[x]);
            sum[2] += qBlue(line[x]);
            ++count;
        }
    }
    const QColor average(static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count),
                         static_cast<int>(sum[2] / count));
    return average.lightnessF() > 0.55;
}

QString styleSheet()
{
    // The rules once for each tone: a window's "tone" property says which holds.
    static const char* const rules = R"(
        @tone QLabel { color: @text; background: transparent; }
        @tone QPushButton { color: @text; background: @button; border: 1px solid @edge;
                            border-radius: 2px; padding: 0px; }
        @tone QPushButton:hover { background: @hover; }
        @tone QPushButton:focus { border: 2px solid @focus; }
        @tone QPushButton:pressed { background: @pressed; }
        @tone QPushButton:disabled { color: @greyed; background: @greyedback; border-color: @line; }
        @tone QTreeWidget, @tone QListWidget, @tone QPlainTextEdit {
            color: @text; background: @well; border: 1px solid @line;
            selection-background-color: @pick; selection-color: #ffffff; }
        @tone QHeaderView::section { color: @text; background: @header; border: 0px;
                                     border-right: 1px solid @line; padding: 0px 3px; }
        @tone QLineEdit { color: @text; background: @well; border: 1px solid @edge;
                          selection-background-color: @pick; }
        @tone QTreeWidget:focus, @tone QListWidget:focus, @tone QPlainTextEdit:focus,
        @tone QLineEdit:focus { border-color: @focus; }
        @tone QScrollBar:vertical { background: @window; width: 10px; }
        @tone QScrollBar::handle:vertical { background: @handle; min-height: 12px; }
        @tone QScrollBar::add-line:vertical, @tone QScrollBar::sub-line:vertical { height: 0px; }
        @tone QAbstractScrollArea::corner { background: @window; }
    )";
    static const std::pair<const char*, std::array<const char*, 2>> colours[] = {
        {"@tone", {"[tone=\"dark\"]", "[tone=\"light\"]"}},
        {"@text", {"#d8dee6", "#1b2430"}},    {"@button", {"#33404d", "#e2e8ef"}},
        {"@edge", {"#56687a", "#8a9bb0"}},    {"@hover", {"#3d4c5c", "#eef2f7"}},
        {"@pressed", {"#26313b", "#cdd6e1"}}, {"@greyedback", {"#262d35", "#edf0f4"}},
        {"@greyed", {"#6b7785", "#9aa5b1"}},  {"@line", {"#3a4450", "#b9c4d0"}},
        {"@well", {"#12161a", "#fbfcfe"}},    {"@pick", {"#2f6f45", "#3b6ea5"}},
        {"@header", {"#2b333d", "#dfe5ec"}},  {"@window", {"#1c2127", "#eef1f5"}},
        {"@handle", {"#4a596a", "#a9b6c6"}},  {"@focus", {"#7ee08f", "#1f5fbf"}}};
    QString sheet = R"(
        QDialog { color: #d8dee6; background: #1c2127; }
        QMenu { color: #d8dee6; background: #1c2127; border: 1px solid #4a596a; padding: 2px 0px; }
        QMenu::item { padding: 3px 16px 3px 20px; }
        QMenu::item:selected { background: #2f6f45; color: #ffffff; }
        QMenu::item:disabled { color: #6b7785; }
        QMenu::separator { height: 1px; background: #3a4450; margin: 3px 6px; }
    )";
    // Polishing a control afresh would give it the application's font: the
    // sheet names the fonts, the terminal's own where the player types.
    const auto font = [](const QFont& f) {
        return QString("font-family: \"%1\"; font-size: %2px;").arg(f.family()).arg(f.pixelSize());
    };
    sheet += "kx--FramelessView QWidget { " + font(uiFont()) + " }\n";
    sheet += "kx--FramelessView QWidget#terminal { " + font(terminalFont()) + " }\n";
    for (const std::size_t tone : {0, 1}) {
        QString text = rules;
        for (const auto& [name, values] : colours)
            text.replace(name, values[tone]);
        sheet += text;
    }
    // A label takes the tone of the picture under it, whatever the window's.
    for (const auto& [tone, colour] : {std::pair{"dark", kText}, std::pair{"light", kTextOnLight}})
        sheet += QString("kx--FramelessView QLabel[under=\"%1\"] { color: %2; }\n").arg(tone, colour.name());
    return sheet;
}

} // namespace kx::look
