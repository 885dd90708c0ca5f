#include "Drawing.h"

#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

namespace kx::art {

namespace {

// Thick enough to survive the shop's 32 pixel list, thin enough not to swallow small parts.
constexpr qreal rimWidth = 1.5;

QPen rimPen(qreal width)
{
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

QPainterPath rounded(const QRectF& box, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath line(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    return path;
}

QPainterPath arrowHead(QPointF tip, qreal angle, qreal size)
{
    const QTransform turn = QTransform().translate(tip.x(), tip.y()).rotate(-angle);
    return turn.map(polygon({{size, 0}, {-size * 0.5, -size}, {-size * 0.5, size}}));
}

void paintShape(QPainter& painter, const QPainterPath& shape, const QColor& colour)
{
    const QRectF box = shape.boundingRect();
    QLinearGradient light(box.topLeft(), box.bottomLeft());
    light.setColorAt(0, colour.lighter(118));
    light.setColorAt(1, colour.darker(118));
    painter.fillPath(shape, light);
    rim(painter, shape);
}

void rim(QPainter& painter, const QPainterPath& shape)
{
    painter.strokePath(shape, rimPen(rimWidth));
}

void paintStroke(QPainter& painter, const QPainterPath& line, qreal width, const QColor& colour)
{
    painter.strokePath(line, rimPen(width + 2 * rimWidth));
    painter.strokePath(line, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void paintLamp(QPainter& painter, QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient halo(centre, radius * 2.4);
    QColor glow = colour;
    glow.setAlpha(110);
    halo.setColorAt(0, glow);
    glow.setAlpha(0);
    halo.setColorAt(1, glow);
    painter.fillPath(circle(centre, radius * 2.4), halo);
    painter.fillPath(circle(centre, radius), colour.lighter(130));
    painter.strokePath(circle(centre, radius), QPen(colour.darker(250), 0.7));
}

}
