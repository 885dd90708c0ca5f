#include "LedgerChart.h"

#include "Colours.h"
#include "TextCodec.h"
#include "core/Numbers.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace kx {

namespace {

// Phosphor, amber and sky on a dark ground; deep green, red and blue on a light one.
constexpr std::array<QColor, 3> kOnDark{look::kStripText, QColor(0xf0, 0xc0, 0x60), QColor(0x7c, 0xc8, 0xf0)};
constexpr std::array<QColor, 3> kOnLight{QColor(0x1e, 0x7b, 0x34), QColor(0xb3, 0x26, 0x1e), QColor(0x1f, 0x4f, 0xb0)};
constexpr double kLineWidth = 2;
constexpr double kMarkRadius = 3.5;
constexpr double kSampleLength = 28; // a legend entry's piece of line
constexpr double kGap = 6;           // between a label and what it names

QString money(double amount)
{
    return QString::fromStdString((amount < 0 ? "-$" : "$") + FormatAmount(std::fabs(amount)));
}

// Solid, dashed or dotted, so that the lines part even where colours do not.
QPen seriesPen(const QColor& colour, std::size_t index)
{
    QPen pen(colour, kLineWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (index % 3 == 1)
        pen.setDashPattern({4, 2});
    if (index % 3 == 2) {
        pen.setCapStyle(Qt::RoundCap); // rounds each near-empty dash into a dot
        pen.setDashPattern({0.01, 2.5});
    }
    return pen;
}

void drawMark(QPainter& painter, Chart::Mark mark, const QPointF& centre)
{
    const double r = kMarkRadius;
    switch (mark) {
    case Chart::Mark::Circle:
        painter.drawEllipse(centre, r, r);
        break;
    case Chart::Mark::Square: // a little smaller, as a square looks larger than its circle
        painter.drawRect(QRectF(centre - QPointF(r, r) * 0.85, centre + QPointF(r, r) * 0.85));
        break;
    case Chart::Mark::Triangle:
        painter.drawPolygon(QPolygonF{centre + QPointF(0, -1.2 * r), centre + QPointF(1.1 * r, 0.8 * r),
                                      centre + QPointF(-1.1 * r, 0.8 * r)});
        break;
    }
}

} // namespace

LedgerChart::LedgerChart(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void LedgerChart::show(const Chart& chart)
{
    if (chart.series == chart_.series && chart.FirstDay == chart_.FirstDay && chart.LastDay == chart_.LastDay)
        return;
    chart_ = chart;
    update();
}

LedgerChart::Inks LedgerChart::inks() const
{
    const QVariant tone = window()->property("tone");
    const bool dark = tone.isValid() ? tone.toString() == "dark" : palette().color(QPalette::Window).lightness() < 128;
    // A skinned window takes its tone from its picture and keeps the
    // application's palette: text that would vanish on that ground gives way
    // to the text colour of the tone.
    QColor text = palette().color(QPalette::WindowText);
    if ((text.lightness() >= 128) != dark)
        text = dark ? look::kText : look::kTextOnLight;
    QColor grid = text;
    grid.setAlphaF(0.2);
    return {text, grid, dark ? kOnDark : kOnLight};
}

LedgerChart::Scale LedgerChart::scale() const
{
    double low = 0, high = 0;
    for (const Chart::Series& series : chart_.series)
        for (const Chart::Point& point : series.points)
            if (std::isfinite(point.amount)) {
                low = std::min(low, point.amount);
                high = std::max(high, point.amount);
            }
    // An empty or flat chart still spans a few dollars, so that no step is zero.
    return niceScale(low, std::max(high, low + 10));
}

// Gridlines every 1, 2, 2.5 or 5 times a power of ten: the finest of those
// that spans the amounts in at most six steps, which leaves at least four.
LedgerChart::Scale LedgerChart::niceScale(double low, double high)
{
    const int power = static_cast<int>(std::floor(std::log10((high - low) / 6))) - 1;
    for (int exponent = power;; ++exponent)
        for (const double mantissa : {1.0, 2.0, 2.5, 5.0}) {
            const double step = mantissa * std::pow(10.0, exponent);
            const double first = std::floor(low / step), last = std::ceil(high / step);
            if (last - first <= 6)
                return {first * step, step, static_cast<int>(last - first)};
        }
}

QRectF LedgerChart::plotArea(QPainter& painter, const Scale& scale) const
{
    const QFontMetricsF metrics(painter.font());
    double labels = 0;
    for (int i = 0; i <= scale.steps; ++i)
        labels = std::max(labels, metrics.horizontalAdvance(money((i + scale.bottom / scale.step) * scale.step)));
    const double line = metrics.height();
    const double lastDay = metrics.horizontalAdvance(QString::number(chart_.LastDay));
    // Room for the legend above, the day numbers below and half of the last one to the right.
    return QRectF(QPointF(labels + kGap, 2 * line), QPointF(width() - lastDay / 2 - 2, height() - line - 8));
}

QPointF LedgerChart::at(const QRectF& plot, const Scale& scale, const Chart::Point& point) const
{
    const int days = std::max(1, chart_.LastDay - chart_.FirstDay);
    return {plot.left() + plot.width() * (point.day - chart_.FirstDay) / days,
            plot.bottom() - plot.height() * (point.amount - scale.bottom) / (scale.step * scale.steps)};
}

void LedgerChart::drawAxes(QPainter& painter, const QRectF& plot, const Scale& scale, const Inks& inks) const
{
    const double line = QFontMetricsF(painter.font()).height();
    for (int i = 0; i <= scale.steps; ++i) {
        const double amount = (i + scale.bottom / scale.step) * scale.step;
        // Whole pixels keep the hairlines sharp.
        const double y = std::floor(at(plot, scale, {chart_.FirstDay, amount}).y()) + 0.5;
        painter.setPen(QPen(std::abs(amount) < scale.step / 2 ? inks.text : inks.grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(inks.text);
        painter.drawText(QRectF(0, y - line / 2, plot.left() - kGap, line), Qt::AlignRight | Qt::AlignVCenter,
                         money(amount));
    }
    const double left = std::floor(plot.left()) + 0.5;
    painter.drawLine(QPointF(left, plot.top()), QPointF(left, plot.bottom()));
    for (int day = chart_.FirstDay; day <= chart_.LastDay; ++day) {
        if (day != chart_.FirstDay && day % 5 != 0)
            continue;
        const double x = std::floor(at(plot, scale, {day, 0}).x()) + 0.5;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
        painter.drawText(QRectF(x - 2 * line, plot.bottom() + 6, 4 * line, line), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(day));
    }
}

void LedgerChart::drawSeries(QPainter& painter, const QRectF& plot, const Scale& scale, const Inks& inks) const
{
    for (std::size_t i = 0; i < chart_.series.size(); ++i) {
        const Chart::Series& series = chart_.series[i];
        const QColor& colour = inks.series[i % inks.series.size()];
        QPolygonF line;
        for (const Chart::Point& point : series.points)
            line << at(plot, scale, point);
        painter.setPen(seriesPen(colour, i));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        for (const QPointF& point : line)
            drawMark(painter, series.mark, point);
    }
}

void LedgerChart::drawLegend(QPainter& painter, const Inks& inks) const
{
    const QFontMetricsF metrics(painter.font());
    constexpr double kSpacing = 20; // between entries
    double across = -kSpacing;
    for (const Chart::Series& series : chart_.series)
        across += kSampleLength + kGap + metrics.horizontalAdvance(toQString(series.name)) + kSpacing;
    double x = std::max(0.0, (width() - across) / 2);
    const double middle = 2 + metrics.height() / 2;
    for (std::size_t i = 0; i < chart_.series.size(); ++i) {
        const QColor& colour = inks.series[i % inks.series.size()];
        painter.setPen(seriesPen(colour, i));
        painter.drawLine(QPointF(x, middle), QPointF(x + kSampleLength, middle));
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        drawMark(painter, chart_.series[i].mark, QPointF(x + kSampleLength / 2, middle));
        const QString name = toQString(chart_.series[i].name);
        x += kSampleLength + kGap;
        painter.setPen(inks.text);
        painter.drawText(QRectF(x, 2, metrics.horizontalAdvance(name) + 1, metrics.height()), Qt::AlignLeft, name);
        x += metrics.horizontalAdvance(name) + kSpacing;
    }
}

void LedgerChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Inks colours = inks();
    const Scale amounts = scale();
    const QRectF plot = plotArea(painter, amounts);
    drawAxes(painter, plot, amounts, colours);
    drawSeries(painter, plot, amounts, colours);
    drawLegend(painter, colours);
}

} // namespace kx
