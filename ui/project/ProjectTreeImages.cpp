#include "ui/project/ProjectTreeImages.h"

#include "ui/framework/PicturePalette.h"
#include "ui/framework/PicturePrimitives.h"

#include <QBitmap>
#include <QPainter>
#include <QPolygon>

#include <array>

using namespace Pictures;

// Pixel rows of a small bitmap font: each string is one row, '#' is ink.
static void Glyph(QPainter& p, int x, int y, const std::initializer_list<const char*>& rows, const QColor& colour)
{
    int nRow = 0;
    for (const char* pRow : rows) {
        for (int nColumn = 0; pRow[nColumn]; ++nColumn)
            if (pRow[nColumn] == '#')
                Cells(p, x + nColumn, y + nRow, x + nColumn, y + nRow, colour);
        ++nRow;
    }
}

void CProjectTreeImages::DrawJavaPage(QPainter& p)
{
    // The sheet with its top right corner folded.
    Cells(p, 2, 0, 11, 0, kBlack);
    Cells(p, 2, 0, 2, 15, kBlack);
    Cells(p, 2, 15, 15, 15, kBlack);
    Cells(p, 15, 4, 15, 15, kBlack);
    for (int i = 0; i < 4; ++i)
        Cells(p, 12 + i, i, 12 + i, i, kBlack);
    Cells(p, 3, 1, 11, 14, kWhite);
    Cells(p, 12, 4, 14, 14, kWhite);
    Cells(p, 11, 1, 11, 4, kGrey);
    Cells(p, 11, 4, 14, 4, kGrey);
    // "Java" in red under the fold, grey lines of text under it.
    Glyph(p, 3, 5, {"  #", "  #", "# #", " # "}, kClassicRed);
    Glyph(p, 6, 6, {" ##", "# #", " ##"}, kClassicRed);
    Glyph(p, 9, 6, {"# #", "# #", " # "}, kClassicRed);
    Glyph(p, 12, 6, {" ##", "# #", " ##"}, kClassicRed);
    Cells(p, 4, 10, 13, 10, kSilver);
    Cells(p, 4, 12, 13, 12, kSilver);
    Cells(p, 4, 14, 10, 14, kSilver);
}

void CProjectTreeImages::DrawMainBadge(QPainter& p)
{
    // A round magenta badge at the bottom left bearing "M".
    Cells(p, 1, 8, 8, 15, kClassicMagenta);
    Cells(p, 0, 9, 0, 14, kClassicPurple);
    Cells(p, 9, 9, 9, 14, kClassicPurple);
    Cells(p, 1, 7, 8, 7, kClassicPurple);
    Cells(p, 1, 15, 8, 15, kClassicPurple);
    Cells(p, 0, 8, 0, 8, kWhite);
    Cells(p, 9, 8, 9, 8, kWhite);
    Glyph(p, 2, 9, {"#   #", "## ##", "# # #", "#   #", "#   #"}, kWhite);
}

void CProjectTreeImages::DrawGlobe(QPainter& p)
{
    // A square frame around a globe with its meridian and equator.
    Cells(p, 1, 0, 16, 0, kClassicNavy);
    Cells(p, 1, 15, 16, 15, kClassicNavy);
    Cells(p, 1, 0, 1, 15, kClassicNavy);
    Cells(p, 16, 0, 16, 15, kClassicNavy);
    static const std::array<std::pair<int, int>, 12> kRows = {
        {{7, 10}, {5, 12}, {4, 13}, {3, 14}, {3, 14}, {3, 14}, {3, 14}, {3, 14}, {3, 14}, {4, 13}, {5, 12}, {7, 10}}};
    for (int i = 0; i < static_cast<int>(kRows.size()); ++i)
        Cells(p, kRows[i].first, 2 + i, kRows[i].second, 2 + i, kClassicBlue);
    // Land in green, then the grid lines.
    Glyph(p, 4, 3, {" ###", "#####", "####", " ##", "  #", "", "      ##", "     ####", "      ###"}, kClassicGreen);
    Cells(p, 3, 7, 14, 7, kClassicNavy);
    Cells(p, 8, 2, 8, 13, kClassicNavy);
    Glyph(p, 5, 3, {"#", "", "", "", "", "", "", "", "", "#"}, kClassicNavy);
    Glyph(p, 12, 3, {"#", "", "", "", "", "", "", "", "", "#"}, kClassicNavy);
}

void CProjectTreeImages::DrawClass(QPainter& p)
{
    // A teal octagon with a lighter face marked "C".
    QPolygon octagon;
    octagon << QPoint(6, 1) << QPoint(11, 1) << QPoint(15, 5) << QPoint(15, 10) << QPoint(11, 14) << QPoint(6, 14)
            << QPoint(2, 10) << QPoint(2, 5);
    p.setPen(kClassicTeal);
    p.setBrush(kClassicTealLight);
    p.drawPolygon(octagon);
    Glyph(p, 6, 4, {" ####", "#    ", "#    ", "#    ", "#    ", "#    ", " ####"}, kWhite);
}

void CProjectTreeImages::DrawMember(QPainter& p)
{
    // A small magenta diamond.
    for (int i = 0; i <= 4; ++i) {
        Cells(p, 9 - i, 4 + i, 9 + i, 4 + i, kClassicMagenta);
        Cells(p, 9 - i, 12 - i, 9 + i, 12 - i, kClassicMagenta);
    }
    Cells(p, 9, 4, 9, 4, kClassicPurple);
    Cells(p, 5, 8, 5, 8, kClassicPurple);
    Cells(p, 13, 8, 13, 8, kClassicPurple);
    Cells(p, 9, 12, 9, 12, kClassicPurple);
    Cells(p, 8, 6, 9, 6, kWhite);
}

QPixmap CProjectTreeImages::Picture(int nIndex)
{
    if (nIndex < 0 || nIndex >= kCount)
        return QPixmap();
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(kWhite);
    QPainter p(&pixmap);
    switch (nIndex / 2) {
    case 0: DrawJavaPage(p); break;
    case 1:
        DrawJavaPage(p);
        DrawMainBadge(p);
        break;
    case 2: DrawGlobe(p); break;
    case 3: DrawClass(p); break;
    default: DrawMember(p); break;
    }
    return pixmap;
}

QIcon CProjectTreeImages::Icon(int nIndex)
{
    QPixmap pixmap = Picture(nIndex);
    if (pixmap.isNull())
        return QIcon();
    // White is the image list's transparent colour: the tree's background
    // shows through, inside the page as well.
    pixmap.setMask(pixmap.createMaskFromColor(kWhite, Qt::MaskInColor));
    return QIcon(pixmap);
}
