#include "ui/framework/PicturePrimitives.h"

#include <QPainter>

namespace Pictures {

void Cells(QPainter& p, int x0, int y0, int x1, int y1, const QColor& colour)
{
    p.fillRect(QRectF(x0, y0, x1 - x0 + 1, y1 - y0 + 1), colour);
}

QPolygonF FoldedSheet(const QRectF& rect, double dFold)
{
    return QPolygonF({rect.topLeft(), QPointF(rect.right() - dFold, rect.top()),
                      QPointF(rect.right(), rect.top() + dFold), rect.bottomRight(), rect.bottomLeft()});
}

QPolygonF SheetFold(const QRectF& rect, double dFold)
{
    return QPolygonF({QPointF(rect.right() - dFold, rect.top()), QPointF(rect.right() - dFold, rect.top() + dFold),
                      QPointF(rect.right(), rect.top() + dFold)});
}

QPainterPath ClosedPath(const QPolygonF& points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

} // namespace Pictures
