#pragma once

#include <memory>
#include <string>
#include <vector>

// Plain data for the controls of a window.  Positions are in twips (15 to a
// pixel at 96 dpi) as the windows are designed; the views convert.
namespace kx {

inline constexpr int kTwipsPerPixel = 15;

struct Rect {
    int left = 0, top = 0, width = 0, height = 0; // twips
    int pixelWidth() const { return width / kTwipsPerPixel; }
    bool operator==(const Rect&) const = default;
};

// A decoded picture as the window system holds it; the engine only hands it on.
class ImageData {
public:
    virtual ~ImageData() = default;
};
using Image = std::shared_ptr<const ImageData>; // null: no picture

struct Label {
    Rect rect;
    std::string Caption;
};

struct Button {
    Rect rect;
    std::string Caption;
    bool Enabled = true;
    bool Visible = true;
};

struct TextBox {
    Rect rect;
    std::string Text;
};

struct ScrollBar {
    Rect rect;
    int Min = 0, Max = 0, Value = 0;
};

// A straight line drawn on the window, from (x1, y1) to (x2, y2).
struct Line {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // twips
};

// An item of a menu, named after its handler without "_Click".  An item with
// children opens a submenu; one captioned "-" is a separator line.
struct MenuItem {
    std::string name;
    std::string Caption;
    bool Checkable = false; // shows a check box, ticked while Checked
    bool Checked = false;
    bool Enabled = true;
    std::vector<MenuItem> children;
    std::string Shortcut; // the keys that choose it from the main window, as "Ctrl+M"
    bool operator==(const MenuItem&) const = default;
};

struct Timer {
    bool Enabled = false;
};

// A picture box that text is printed into at a position.
struct PictureBox {
    struct Printed {
        double x, y;
        std::string text;
        bool operator==(const Printed&) const = default;
    };
    Rect rect;
    std::vector<Printed> printed;
    double CurrentX = 0, CurrentY = 0;
    Image Picture; // drawn under the printed text

    void Cls()
    {
        printed.clear();
        CurrentX = CurrentY = 0;
    }
    void Print(const std::string& text) { printed.push_back({CurrentX, CurrentY, text}); }
    int ScaleWidth() const { return rect.pixelWidth(); }
};

// A report-style list view with keyed items and sub-items.
struct ListView {
    struct Column {
        std::string text, key;
        double widthShare; // of the list's width
        bool operator==(const Column&) const = default;
    };
    struct SubItem {
        std::string key, text;
        bool operator==(const SubItem&) const = default;
    };
    struct Item {
        std::string key, text;
        std::vector<SubItem> subItems;
        int Icon = 0; // picture of the window's image list, from 1; 0 for none
        bool operator==(const Item&) const = default;
    };
    Rect rect;
    bool Visible = true;
    std::vector<Column> columns;
    std::vector<Item> items;
    int selected = 0; // 1-based; 0 when nothing is selected
};

// A line chart of amounts by day: one line per series, each told apart by its
// dash and its marks as well as its colour.
struct Chart {
    enum class Mark { Circle, Square, Triangle };
    struct Point {
        int day;
        double amount;
        bool operator==(const Point&) const = default;
    };
    struct Series {
        std::string name;
        Mark mark = Mark::Circle;
        std::vector<Point> points; // by day, ascending
        bool operator==(const Series&) const = default;
    };
    Rect rect;
    int FirstDay = 1, LastDay = 30; // the days across
    std::vector<Series> series;
};

} // namespace kx
