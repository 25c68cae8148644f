#pragma once

#include <QPainterPath>
#include <QPolygonF>

class QColor;
class QPainter;

// Shapes the drawn pictures share. Pictures are designed on a grid of cells;
// a cell is one pixel when the painter is not scaled.
namespace Pictures {

// Solid cells x0..x1, y0..y1 inclusive.
void Cells(QPainter& p, int x0, int y0, int x1, int y1, const QColor& colour);

// The outline of a sheet of paper on rect with its top right corner turned
// down by dFold.
QPolygonF FoldedSheet(const QRectF& rect, double dFold);
// The turned-down corner of that sheet: down from the top edge, then across
// to the right edge.
QPolygonF SheetFold(const QRectF& rect, double dFold);

// The path along the points, closed back to the first.
QPainterPath ClosedPath(const QPolygonF& points);

} // namespace Pictures
