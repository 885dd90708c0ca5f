// The chart on its own, drawn into pictures and read back pixel by pixel.
#include "qt/LedgerChart.h"
#include "qt/Look.h"

#include <QImage>
#include <QTest>

#include <cmath>
#include <optional>

using namespace kx;

namespace {

// The chart on a ground of `window` at `size`, below its legend, whose marks
// show every colour whatever the lines do.
QImage drawn(LedgerChart& chart, QColor window, QSize size)
{
    constexpr int kLegend = 30;
    chart.setPalette(QPalette(window, window));
    chart.resize(size);
    return chart.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(0, kLegend, size.width(),
                                                                                size.height() - kLegend);
}

// The mean height of the pixels of `colour` between columns `from` and `to`; none when it is absent.
std::optional<double> meanY(const QImage& image, QColor colour, int from = 0, int to = 1 << 20)
{
    double sum = 0, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < std::min(to, image.width()); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) < 30) {
                sum += y;
                ++count;
            }
        }
    return count ? std::optional(sum / count) : std::nullopt;
}

} // namespace

class LedgerChartTest : public QObject {
    Q_OBJECT

private slots:
    void linesReadOnEitherGround_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QList<QColor>>("lines");
        QTest::newRow("dark") << QColor("#1c2127") << QList<QColor>{"#7cf08a", "#f0c060", "#7cc8f0"};
        QTest::newRow("light") << QColor("#eef1f5") << QList<QColor>{"#1e7b34", "#b3261e", "#1f4fb0"};
    }
    // Every series shows in its colour, and the growing debt climbs to the right, at any size.
    void linesReadOnEitherGround()
    {
        QFETCH(QColor, window);
        QFETCH(QList<QColor>, lines);
        Chart ledger;
        ledger.series = {{"Cash", Chart::Mark::Circle, {}}, {"Debt", Chart::Mark::Square, {}},
                         {"Bank", Chart::Mark::Triangle, {}}};
        for (int day = 1; day <= 30; ++day) {
            ledger.series[0].points.push_back({day, 2000});
            ledger.series[1].points.push_back({day, 4000 * std::pow(1.1, day - 1)});
            ledger.series[2].points.push_back({day, 0});
        }
        LedgerChart chart;
        chart.setFont(look::uiFont());
        chart.show(ledger);
        for (const QSize size : {QSize(600, 260), QSize(1200, 520)}) {
            const QImage image = drawn(chart, window, size);
            for (const QColor& line : lines)
                QVERIFY2(meanY(image, line), qPrintable(line.name()));
            const auto left = meanY(image, lines[1], 0, image.width() / 4);
            const auto right = meanY(image, lines[1], image.width() * 3 / 4);
            QVERIFY(left && right);
            QVERIFY2(*right < *left - image.height() / 4, qPrintable(QString("%1 %2").arg(*left).arg(*right)));
        }
    }

    // Nothing to scale by draws the axes alone; a single day with a single
    // point, below zero, draws its mark.
    void emptyAndSinglePointCharts()
    {
        LedgerChart chart;
        chart.show(Chart{});
        QVERIFY(!drawn(chart, "#1c2127", QSize(300, 150)).isNull());
        Chart single;
        single.FirstDay = single.LastDay = 1;
        single.series = {{"Cash", Chart::Mark::Square, {{1, -500}}}};
        chart.show(single);
        QVERIFY(meanY(drawn(chart, "#1c2127", QSize(300, 150)), "#7cf08a"));
    }
};

QObject* makeViewTest() { return new LedgerChartTest; }

#include "LedgerChartTest.moc"
