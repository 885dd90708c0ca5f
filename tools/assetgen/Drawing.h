// The few ways every picture is drawn, so all of them share one flat, lit-from-above look.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <initializer_list>

class QPainter;

namespace kx::art {

QPainterPath polygon(std::initializer_list<QPointF> corners);
QPainterPath rounded(const QRectF& box, qreal radius);
QPainterPath circle(QPointF centre, qreal radius);
// An open path through the points, to be stroked.
QPainterPath line(std::initializer_list<QPointF> points);
// A head for a curved arrow, pointing along angle (degrees counter-clockwise, as paths give it).
QPainterPath arrowHead(QPointF tip, qreal angle, qreal size);

// Fills the shape a little lighter at the top than at the bottom and rims it in ink.
void paintShape(QPainter& painter, const QPainterPath& shape, const QColor& colour);
void rim(QPainter& painter, const QPainterPath& shape);
// A line thick enough to be an object of its own (a cable, an arrow's path), rimmed like a shape.
void paintStroke(QPainter& painter, const QPainterPath& line, qreal width, const QColor& colour);
// A small lit lamp with its halo, for the status lights of the hardware.
void paintLamp(QPainter& painter, QPointF centre, qreal radius, const QColor& colour);

}
