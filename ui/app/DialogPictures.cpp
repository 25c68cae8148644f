#include "ui/app/DialogPictures.h"

#include "ui/framework/PicturePalette.h"
#include "ui/framework/PicturePrimitives.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

using namespace Pictures;

namespace {
// A sheet of paper with its top right corner turned down.
void DrawPage(QPainter& painter, const QRectF& rect)
{
    const qreal nFold = 8;
    painter.setPen(QPen(kCharcoal, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(ClosedPath(FoldedSheet(rect, nFold)));
    // Left open: the sheet's own edge closes the corner.
    QPainterPath fold;
    fold.addPolygon(SheetFold(rect, nFold));
    painter.setBrush(QColor(210, 210, 210));
    painter.drawPath(fold);
}

void DrawLines(QPainter& painter, qreal nLeft, qreal nTop, const QList<qreal>& widths, const QColor& colour)
{
    painter.setPen(QPen(colour, 1.5));
    for (int i = 0; i < widths.size(); ++i)
        painter.drawLine(QPointF(nLeft, nTop + i * 4), QPointF(nLeft + widths[i], nTop + i * 4));
}

void DrawLetters(QPainter& painter, const QRectF& rect, const QString& strText, const QColor& colour, int nPixels)
{
    QFont font("Sans Serif");
    font.setPixelSize(nPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, strText);
}

void DrawJavaFile(QPainter& painter)
{
    DrawPage(painter, QRectF(5.5, 1.5, 21, 29));
    DrawLines(painter, 9, 8, {9, 13, 11}, QColor(0, 0, 160));
    // A cup: the language's own picture.
    painter.setPen(QPen(QColor(140, 70, 20), 1.5));
    painter.setBrush(QColor(200, 120, 50));
    painter.drawRoundedRect(QRectF(9.5, 20.5, 9, 7), 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(16.5, 21.5, 5, 4), -90 * 16, 180 * 16);
    painter.drawLine(QPointF(12, 17), QPointF(12.5, 19));
    painter.drawLine(QPointF(15, 16.5), QPointF(15.5, 19));
}

void DrawProject(QPainter& painter)
{
    // A folder holding a page.
    painter.setPen(QPen(kCharcoal, 1));
    painter.setBrush(QColor(224, 176, 48));
    painter.drawPath(ClosedPath(
        {QPointF(2.5, 8.5), QPointF(11.5, 8.5), QPointF(14.5, 11.5), QPointF(29.5, 11.5), QPointF(29.5, 27.5),
         QPointF(2.5, 27.5)}));
    DrawPage(painter, QRectF(9.5, 4.5, 15, 17));
    DrawLines(painter, 12, 10, {8, 10}, QColor(0, 0, 160));
    painter.setPen(QPen(kCharcoal, 1));
    painter.setBrush(QColor(250, 208, 80));
    painter.drawPath(ClosedPath({QPointF(2.5, 15.5), QPointF(29.5, 15.5), QPointF(29.5, 27.5), QPointF(2.5, 27.5)}));
    DrawLetters(painter, QRectF(2, 15, 28, 13), "jpr", QColor(120, 60, 0), 9);
}

void DrawHtmlPage(QPainter& painter)
{
    DrawPage(painter, QRectF(5.5, 1.5, 21, 29));
    DrawLetters(painter, QRectF(6, 4, 20, 12), "</>", QColor(0, 120, 60), 10);
    DrawLines(painter, 9, 19, {13, 9, 12}, QColor(0, 0, 160));
}
} // namespace

QPixmap NewDocumentImage(int nIndex)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (nIndex) {
    case 0: DrawJavaFile(painter); break;
    case 1: DrawProject(painter); break;
    case 2: DrawHtmlPage(painter); break;
    default: break;
    }
    return pixmap;
}

QPixmap TipBulbBitmap()
{
    QPixmap pixmap(40, 48);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Rays.
    painter.setPen(QPen(QColor(240, 190, 0), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(20, 2), QPointF(20, 5));
    painter.drawLine(QPointF(5, 9), QPointF(8, 11));
    painter.drawLine(QPointF(35, 9), QPointF(32, 11));
    painter.drawLine(QPointF(2, 21), QPointF(5, 21));
    painter.drawLine(QPointF(38, 21), QPointF(35, 21));
    // The glass.
    QPainterPath glass;
    glass.moveTo(15, 33);
    glass.cubicTo(15, 27, 8, 26, 8, 19);
    glass.cubicTo(8, 12, 14, 8, 20, 8);
    glass.cubicTo(26, 8, 32, 12, 32, 19);
    glass.cubicTo(32, 26, 25, 27, 25, 33);
    glass.closeSubpath();
    QRadialGradient light(QPointF(17, 16), 14);
    light.setColorAt(0, QColor(255, 255, 220));
    light.setColorAt(1, QColor(255, 220, 60));
    painter.setPen(QPen(QColor(150, 110, 0), 1.2));
    painter.setBrush(light);
    painter.drawPath(glass);
    // The filament.
    painter.setPen(QPen(QColor(200, 120, 0), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF(
        {QPointF(17, 30), QPointF(17, 22), QPointF(19, 20), QPointF(21, 22), QPointF(23, 20), QPointF(23, 30)}));
    // The screw base.
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRoundedRect(QRectF(15, 33, 10, 8), 1.5, 1.5);
    painter.drawLine(QPointF(15, 35.5), QPointF(25, 35.5));
    painter.drawLine(QPointF(15, 38.5), QPointF(25, 38.5));
    painter.setBrush(QColor(80, 80, 80));
    painter.drawRoundedRect(QRectF(17.5, 41, 5, 3), 1, 1);
    return pixmap;
}
