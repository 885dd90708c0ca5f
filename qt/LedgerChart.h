#pragma once

#include "core/Controls.h"

#include <QColor>
#include <QRectF>
#include <QWidget>

#include <array>

class QPainter;

namespace kx {

// The engine's chart of amounts by day, drawn as vectors at whatever size and
// scale it is shown, in colours that read on the window's dark or light ground.
class LedgerChart : public QWidget {
public:
    explicit LedgerChart(QWidget* parent = nullptr);
    // Repaints only when the days or the series changed.
    void show(const Chart& chart);
    using QWidget::show;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // The amounts up the side: the lowest gridline, the step between them and their count.
    struct Scale {
        double bottom, step;
        int steps;
    };
    struct Inks {
        QColor text, grid;
        std::array<QColor, 3> series;
    };

    static Scale niceScale(double low, double high);

    Inks inks() const;
    Scale scale() const;
    QRectF plotArea(QPainter& painter, const Scale& scale) const;
    QPointF at(const QRectF& plot, const Scale& scale, const Chart::Point& point) const;
    void drawAxes(QPainter& painter, const QRectF& plot, const Scale& scale, const Inks& inks) const;
    void drawSeries(QPainter& painter, const QRectF& plot, const Scale& scale, const Inks& inks) const;
    void drawLegend(QPainter& painter, const Inks& inks) const;

    Chart chart_;
};

} // namespace kx
