#include "Look.h"

#include <QImage>

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

bool isLightUnder(const QPixmap& picture, const QRect& area)
{
    const QRect inside = area.intersected(picture.rect());
    if (inside.isEmpty())
        return false;
    // Smooth scaling to one pixel averages the whole area.
    const QImage average = picture.copy(inside).toImage().scaled(1, 1, Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation);
    return average.pixelColor(0, 0).lightnessF() > 0.55;
}

const char* styleSheet()
{
    return R"(
        QLabel { color: #d8dee6; background: transparent; }
        QPushButton { color: #d8dee6; background: #33404d; border: 1px solid #56687a;
                      border-radius: 2px; padding: 0px; }
        QPushButton:hover { background: #3d4c5c; }
        QPushButton:pressed { background: #26313b; }
        QPushButton:disabled { color: #6b7785; background: #262d35; border-color: #3a4450; }
        QTreeWidget, QListWidget { color: #d8dee6; background: #12161a; border: 1px solid #3a4450;
                                   selection-background-color: #2f6f45; selection-color: #ffffff; }
        QHeaderView::section { color: #d8dee6; background: #2b333d; border: 0px;
                               border-right: 1px solid #3a4450; padding: 0px 3px; }
        QDialog { background: #1c2127; }
        QLineEdit { color: #d8dee6; background: #12161a; border: 1px solid #56687a;
                    selection-background-color: #2f6f45; }
        QScrollBar:vertical { background: #1c2127; width: 10px; }
        QScrollBar::handle:vertical { background: #4a596a; min-height: 12px; }
        QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }
        QAbstractScrollArea::corner { background: #1c2127; }
        QMenu { color: #d8dee6; background: #1c2127; border: 1px solid #4a596a; padding: 2px 0px; }
        QMenu::item { padding: 3px 16px 3px 20px; }
        QMenu::item:selected { background: #2f6f45; color: #ffffff; }
        QMenu::item:disabled { color: #6b7785; }
        QMenu::separator { height: 1px; background: #3a4450; margin: 3px 6px; }
    )";
}

} // namespace kx::look
