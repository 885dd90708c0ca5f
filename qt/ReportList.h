#pragma once

#include "core/Controls.h"

#include <QTreeWidget>

#include <functional>

namespace kx {

// A report-style list drawn from an engine list view: its columns, rows and
// chosen row follow the engine's, rebuilt only when the engine's changed, so a
// strip ticking many times a second costs the list nothing.
class ReportList : public QTreeWidget {
public:
    ReportList(const ListView& model, QWidget* parent);
    void sync(const ListView& model);
    // Hands `pick` the row (from 1) the player clicks or moves to.
    void reportPicks(std::function<void(int row)> pick);
    // Each cell tells its whole text when the mouse rests on it, for cells
    // too long for their column.
    void tipCells() { tipped_ = true; }

private:
    ListView shown_; // as the engine held it when it last changed
    bool syncing_ = false;
    bool tipped_ = false;
};

} // namespace kx
