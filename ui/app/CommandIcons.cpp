#include "ui/app/CommandIcons.h"

#include "ui/framework/PicturePalette.h"
#include "ui/framework/PicturePrimitives.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <numbers>

using namespace Pictures;

// --- Primitives on the 16-cell grid. A cell is one pixel at 16 pixels. ---

// True when a cell is about one pixel: small curves then look better placed
// cell by cell than smoothed into a blur.
static bool IsSmall(const QPainter& p)
{
    return p.transform().m11() < 1.5;
}

// A ring five cells across with its corners cut, or a smooth circle when
// there are pixels enough for one.
static void Ring(QPainter& p, int x0, int y0, const QColor& colour)
{
    if (IsSmall(p)) {
        Cells(p, x0 + 1, y0, x0 + 3, y0, colour);
        Cells(p, x0 + 1, y0 + 4, x0 + 3, y0 + 4, colour);
        Cells(p, x0, y0 + 1, x0, y0 + 3, colour);
        Cells(p, x0 + 4, y0 + 1, x0 + 4, y0 + 3, colour);
        return;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 1.2));
    p.drawEllipse(QPointF(x0 + 2.5, y0 + 2.5), 2.0, 2.0);
}

// Cells x0..x1, y0..y1 with a one-cell edge. Filled rectangles stay sharp at
// every whole scale, which strokes on curves cannot promise.
static void Box(QPainter& p, int x0, int y0, int x1, int y1, const QColor& fill, const QColor& edge)
{
    Cells(p, x0, y0, x1, y1, edge);
    if (x1 - x0 >= 2 && y1 - y0 >= 2)
        Cells(p, x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill);
}

// A polygon through cell centres, filled and outlined one cell wide.
static void Shape(QPainter& p, const QPolygonF& poly, const QColor& fill, const QColor& edge)
{
    p.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPolygon(poly);
}

static void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge, double dWidth = 1.0)
{
    p.setPen(QPen(edge, dWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

// A sheet of paper on cells x0..x1, y0..y1 with its top right corner folded
// down by nFold cells, and optional grey lines of text.
static void Page(QPainter& p, int x0, int y0, int x1, int y1, int nFold, bool bText)
{
    const QRectF sheet(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
    Shape(p, FoldedSheet(sheet, nFold), kWhite, kInk);
    if (nFold > 0)
        Shape(p, SheetFold(sheet, nFold), kPaperFold, kInk);
    if (!bText)
        return;
    for (int y = y0 + 2; y <= y1 - 2; y += 2) {
        const int nRight = (y <= y0 + nFold) ? x1 - nFold - 1 : x1 - 2;
        if (nRight > x0 + 2)
            Cells(p, x0 + 2, y, nRight, y, kTextLine);
    }
}

// Lines of text with one line in three indented, as an indent command shows.
static void IndentLines(QPainter& p)
{
    Cells(p, 1, 2, 14, 2, kCharcoal);
    Cells(p, 7, 5, 14, 5, kCharcoal);
    Cells(p, 7, 8, 14, 8, kCharcoal);
    Cells(p, 7, 11, 14, 11, kCharcoal);
    Cells(p, 1, 14, 14, 14, kCharcoal);
}

// The indent lines with a blue arrow from xBase to its tip at xTip.
static void DrawIndent(QPainter& p, double xBase, double xTip)
{
    IndentLines(p);
    QPolygonF arrow;
    arrow << QPointF(xBase, 4.5) << QPointF(xTip, 8.5) << QPointF(xBase, 12.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(arrow);
}

// A play triangle pointing right, its left edge at x, centred on yMid.
static void PlayTriangle(QPainter& p, double x, double yMid, double dHalfHeight, double dLength)
{
    QPolygonF tri;
    tri << QPointF(x, yMid - dHalfHeight) << QPointF(x + dLength, yMid) << QPointF(x, yMid + dHalfHeight);
    Shape(p, tri, kGreen, kGreenDark);
}

// A toothed wheel; the hole shows what lies under it.
static void Gear(QPainter& p, QPointF centre, double dOuter, double dInner, double dHole, int nTeeth)
{
    QPainterPath wheel;
    const double dStep = 2.0 * std::numbers::pi / nTeeth;
    for (int i = 0; i < nTeeth; ++i) {
        const double a = i * dStep;
        const QPointF pts[4] = {
            centre + QPointF(std::cos(a - dStep * 0.30) * dInner, std::sin(a - dStep * 0.30) * dInner),
            centre + QPointF(std::cos(a - dStep * 0.16) * dOuter, std::sin(a - dStep * 0.16) * dOuter),
            centre + QPointF(std::cos(a + dStep * 0.16) * dOuter, std::sin(a + dStep * 0.16) * dOuter),
            centre + QPointF(std::cos(a + dStep * 0.30) * dInner, std::sin(a + dStep * 0.30) * dInner),
        };
        if (i == 0)
            wheel.moveTo(pts[0]);
        else
            wheel.lineTo(pts[0]);
        for (int k = 1; k < 4; ++k)
            wheel.lineTo(pts[k]);
    }
    wheel.closeSubpath();
    wheel.addEllipse(centre, dHole, dHole);
    wheel.setFillRule(Qt::OddEvenFill);
    Shape(p, wheel, kGearFill, kGearEdge, 0.9);
}

// A blue globe with green land, in a circle of the given radius.
static void Globe(QPainter& p, QPointF centre, double dRadius)
{
    QPainterPath ball;
    ball.addEllipse(centre, dRadius, dRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPath(ball);

    p.save();
    p.setClipPath(ball);
    const double u = dRadius / 6.5;
    auto at = [&](double x, double y) { return centre + QPointF(x * u, y * u); };
    QPainterPath land;
    land.moveTo(at(-6, -3));
    land.cubicTo(at(-4, -6), at(-1, -6), at(0, -4));
    land.cubicTo(at(1, -2), at(-2, -1), at(-2, 1));
    land.cubicTo(at(-2, 3), at(-1, 5), at(-3, 6));
    land.cubicTo(at(-6, 5), at(-7, 0), at(-6, -3));
    land.moveTo(at(2, -1));
    land.cubicTo(at(4, -3), at(7, -2), at(7, 1));
    land.cubicTo(at(6, 4), at(3, 6), at(2, 4));
    land.cubicTo(at(1, 2), at(3, 1), at(2, -1));
    p.setBrush(kGreen);
    p.drawPath(land);
    // Meridian and latitude lines.
    p.setBrush(Qt::NoBrush);
    // Straight lines sit on a row and a column of cells so they stay sharp.
    p.setPen(QPen(kBlueLight, 0.8 * u));
    p.drawEllipse(centre, dRadius * 0.45, dRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlueLight);
    p.drawRect(QRectF(centre.x() - u, centre.y() - 7 * u, u, 14 * u));
    p.drawRect(QRectF(centre.x() - 7 * u, centre.y(), 14 * u, u));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlueDark, 1.0));
    p.drawEllipse(centre, dRadius, dRadius);
}

// --- The toolbar pictures, each on the 16-cell grid. ---

static void DrawNew(QPainter& p)
{
    Page(p, 3, 1, 12, 14, 3, false);
}

static void DrawOpen(QPainter& p)
{
    QPolygonF back;
    back << QPointF(1.5, 13.5) << QPointF(1.5, 2.5) << QPointF(5.5, 2.5) << QPointF(6.5, 3.5) << QPointF(12.5, 3.5)
         << QPointF(12.5, 7.5) << QPointF(4.5, 7.5);
    Shape(p, back, kYellowBack, kYellowDark);
    // A sheet standing in the folder.
    Box(p, 3, 5, 11, 8, kWhite, kInk);
    QPolygonF front;
    front << QPointF(1.5, 13.5) << QPointF(4.5, 7.5) << QPointF(15.5, 7.5) << QPointF(12.5, 13.5);
    Shape(p, front, kYellow, kYellowDark);
}

static void DrawSave(QPainter& p)
{
    QPolygonF body;
    body << QPointF(1.5, 1.5) << QPointF(13.5, 1.5) << QPointF(14.5, 2.5) << QPointF(14.5, 14.5) << QPointF(1.5, 14.5);
    Shape(p, body, kBlue, kBlueDark);
    // Label with two written lines.
    Cells(p, 4, 2, 11, 7, kWhite);
    Cells(p, 5, 3, 10, 3, kTextLine);
    Cells(p, 5, 5, 10, 5, kTextLine);
    // Metal shutter with its window.
    Cells(p, 4, 10, 11, 14, kSteel);
    Cells(p, 8, 11, 9, 13, kBlueDark);
}

static void DrawCut(QPainter& p)
{
    if (IsSmall(p)) {
        // Blades meeting at the pivot, each running on to the opposite handle.
        static const int kBlade[][2] = {{5, 0}, {5, 1}, {6, 2}, {6, 3}, {7, 4}, {6, 7}, {6, 8}, {5, 9}};
        for (const auto& cell : kBlade) {
            Cells(p, cell[0], cell[1], cell[0], cell[1], kSteelDark);
            Cells(p, 15 - cell[0], cell[1], 15 - cell[0], cell[1], kSteelDark);
        }
        Cells(p, 7, 5, 8, 6, kInk);
    } else {
        p.setPen(QPen(kSteelDark, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.6, 0.8), QPointF(10.1, 11.1));
        p.drawLine(QPointF(10.4, 0.8), QPointF(5.9, 11.1));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(8.0, 6.2), 0.8, 0.8);
    }
    Ring(p, 2, 10, kRed);
    Ring(p, 9, 10, kRed);
}

static void DrawCopy(QPainter& p)
{
    Page(p, 1, 0, 9, 10, 3, true);
    Page(p, 6, 5, 14, 15, 3, true);
}

static void DrawPaste(QPainter& p)
{
    Box(p, 1, 2, 11, 14, kWood, kWoodDark);
    // The clip holding the board's sheet.
    Box(p, 4, 0, 8, 3, kSteel, kInk);
    Page(p, 6, 6, 14, 15, 0, true);
}

static void DrawPrint(QPainter& p)
{
    Page(p, 4, 0, 11, 6, 0, false);
    Cells(p, 6, 2, 9, 2, kTextLine);
    Cells(p, 6, 4, 9, 4, kTextLine);
    Box(p, 0, 6, 15, 12, kSteel, kInk);
    Cells(p, 1, 7, 14, 7, kWhite);
    Cells(p, 12, 9, 13, 9, kGreen);
    // The printed sheet coming out of the front slot.
    Cells(p, 2, 10, 13, 10, kInk);
    Page(p, 3, 10, 12, 15, 0, false);
    Cells(p, 5, 12, 10, 12, kTextLine);
}

static void DrawIncreaseIndent(QPainter& p)
{
    DrawIndent(p, 1, 5.5);
}

static void DrawDecreaseIndent(QPainter& p)
{
    DrawIndent(p, 6, 1.5);
}

static void DrawCompile(QPainter& p)
{
    Page(p, 1, 0, 10, 13, 3, true);
    Gear(p, QPointF(11.0, 11.0), 4.6, 3.4, 1.3, 8);
}

static void DrawBuild(QPainter& p)
{
    // A small wall of bricks: three, two, one.
    auto brick = [&](int x0, int y0, int x1, int y1) {
        Box(p, x0, y0, x1, y1, kBrick, kBrickDark);
        Cells(p, x0 + 1, y0 + 1, x1 - 1, y0 + 1, kBrickLight);
    };
    brick(0, 11, 5, 15);
    brick(5, 11, 10, 15);
    brick(10, 11, 15, 15);
    brick(2, 7, 8, 11);
    brick(8, 7, 13, 11);
    brick(5, 3, 10, 7);
}

static void DrawRun(QPainter& p)
{
    PlayTriangle(p, 3.5, 8.0, 6.0, 10.0);
}

static void DrawRunApplet(QPainter& p)
{
    Box(p, 0, 1, 15, 14, kWhite, kInk);
    Cells(p, 1, 2, 14, 4, kBlue);
    Cells(p, 11, 3, 13, 3, kWhite);
    PlayTriangle(p, 5.5, 9.5, 3.0, 5.0);
}

static void DrawOpenInBrowser(QPainter& p)
{
    Globe(p, QPointF(8.0, 8.0), 6.5);
}

static void DrawProjectWindow(QPainter& p)
{
    const QColor label(0x50, 0x50, 0x50);
    // Tree lines.
    Cells(p, 2, 4, 2, 12, kSteelDark);
    Cells(p, 3, 7, 4, 7, kSteelDark);
    Cells(p, 3, 12, 4, 12, kSteelDark);
    // Root (the project) and two children, each with a label.
    Box(p, 0, 0, 4, 3, kYellow, kYellowDark);
    Cells(p, 7, 1, 14, 2, label);
    Box(p, 5, 5, 8, 9, kTeal, kTealDark);
    Cells(p, 10, 7, 15, 7, label);
    Box(p, 5, 10, 8, 14, kMagenta, kMagentaDark);
    Cells(p, 10, 12, 14, 12, label);
}

using DrawFunction = void (*)(QPainter&);

// The pictures by the names the command table gives them.
static DrawFunction DrawerFor(const std::string& strName)
{
    static const std::map<std::string, DrawFunction> drawers = {
        {"new", DrawNew},
        {"open", DrawOpen},
        {"save", DrawSave},
        {"cut", DrawCut},
        {"copy", DrawCopy},
        {"paste", DrawPaste},
        {"print", DrawPrint},
        {"increase-indent", DrawIncreaseIndent},
        {"decrease-indent", DrawDecreaseIndent},
        {"compile", DrawCompile},
        {"build", DrawBuild},
        {"run", DrawRun},
        {"run-applet", DrawRunApplet},
        {"open-in-browser", DrawOpenInBrowser},
        {"project-window", DrawProjectWindow},
    };
    auto it = drawers.find(strName);
    return it == drawers.end() ? nullptr : it->second;
}

// Runs a drawing made on a grid of nGrid cells at nSize pixels.
template <typename Draw>
static QImage Render(int nSize, double dGrid, Draw draw)
{
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(nSize / dGrid, nSize / dGrid);
    draw(p);
    p.end();
    return image;
}

QPixmap CommandPixmap(const std::string& strName, int nSize)
{
    const DrawFunction draw = DrawerFor(strName);
    if (draw == nullptr || nSize <= 0)
        return QPixmap();
    return QPixmap::fromImage(Render(nSize, 16.0, draw));
}

namespace {
// Draws a command's picture at each size when it is first asked for, so
// start-up pays only for the sizes the toolbar shows; each size is drawn,
// not scaled, so every size is sharp.
class CDrawnIconEngine : public QIconEngine {
public:
    explicit CDrawnIconEngine(std::string strName) : m_strName(std::move(strName)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int nSize = std::min(size.width(), size.height());
        QPixmap& drawn = m_drawn[nSize];
        if (drawn.isNull())
            drawn = CommandPixmap(m_strName, nSize);
        if (mode != QIcon::Disabled && mode != QIcon::Selected)
            return drawn;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }
    void paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        pPainter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int nSize = std::min(size.width(), size.height());
        return QSize(nSize, nSize);
    }
    QIconEngine* clone() const override { return new CDrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("CDrawnIconEngine"); }

private:
    std::string m_strName;
    std::map<int, QPixmap> m_drawn;
};
} // namespace

QIcon CommandIcon(const std::string& strName)
{
    if (DrawerFor(strName) == nullptr)
        return QIcon();
    return QIcon(new CDrawnIconEngine(strName));
}

// --- The program's logo, on a 64-cell grid. ---

static QPainterPath LogoTile()
{
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 11, 11);
    return tile;
}

// The letter T with small serifs, as a shape so no font is needed.
static QPainterPath LogoLetter()
{
    QPainterPath t;
    auto lineThrough = [&](std::initializer_list<QPointF> corners) {
        for (const QPointF& corner : corners)
            t.lineTo(corner);
    };
    t.moveTo(14, 11);
    lineThrough({{50, 11}, {50, 22}, {46, 22}});
    t.quadTo(45, 17, 39, 17);
    // The stem and its foot.
    lineThrough({{37, 17}, {37, 49}, {41, 51}, {41, 53}, {23, 53}, {23, 51}, {27, 49}, {27, 17}, {25, 17}});
    t.quadTo(19, 17, 18, 22);
    t.lineTo(14, 22);
    t.closeSubpath();
    return t;
}

static void DrawLogo(QPainter& p)
{
    const QPainterPath tile = LogoTile();
    QLinearGradient sky(0, 2, 0, 40);
    sky.setColorAt(0, QColor(0x8e, 0xc5, 0xf0));
    sky.setColorAt(1, QColor(0xe4, 0xf2, 0xfc));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(tile);

    p.save();
    p.setClipPath(tile);
    // Far and near ridges round the tarn.
    QPolygonF far;
    far << QPointF(2, 38) << QPointF(12, 26) << QPointF(20, 32) << QPointF(33, 14) << QPointF(45, 29) << QPointF(52, 22)
        << QPointF(62, 32) << QPointF(62, 44) << QPointF(2, 44);
    p.setBrush(QColor(0x7d, 0x8c, 0x9c));
    p.drawPolygon(far);
    QPolygonF snow;
    snow << QPointF(33, 14) << QPointF(38.5, 21.5) << QPointF(35.5, 20.5) << QPointF(33, 23) << QPointF(30.5, 20)
         << QPointF(27.8, 21.3);
    p.setBrush(Qt::white);
    p.drawPolygon(snow);
    QPolygonF snowRight;
    snowRight << QPointF(52, 22) << QPointF(55.5, 25.5) << QPointF(53, 25) << QPointF(51, 26.5) << QPointF(49, 25);
    p.drawPolygon(snowRight);
    QPolygonF near;
    near << QPointF(2, 42) << QPointF(9, 35) << QPointF(16, 40) << QPointF(24, 36) << QPointF(30, 41) << QPointF(40, 41)
         << QPointF(48, 35) << QPointF(56, 40) << QPointF(62, 37) << QPointF(62, 46) << QPointF(2, 46);
    p.setBrush(QColor(0x3f, 0x6b, 0x4a));
    p.drawPolygon(near);
    // The tarn itself, darker towards the near shore, with a few ripples.
    QLinearGradient water(0, 42, 0, 62);
    water.setColorAt(0, QColor(0x3a, 0x86, 0xd0));
    water.setColorAt(1, QColor(0x15, 0x3d, 0x7a));
    p.setBrush(water);
    p.drawRect(QRectF(0, 44, 64, 20));
    p.setPen(QPen(QColor(0xbf, 0xe0, 0xfa), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 49), QPointF(18, 49));
    p.drawLine(QPointF(44, 51), QPointF(56, 51));
    p.drawLine(QPointF(12, 56), QPointF(20, 56));
    p.drawLine(QPointF(46, 57), QPointF(52, 57));
    p.restore();

    // The letter, white with a dark edge so it reads on sky, rock and water.
    const QPainterPath letter = LogoLetter();
    p.setPen(QPen(QColor(0x10, 0x26, 0x4a), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xfb, 0xf0));
    p.drawPath(letter);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1a, 0x3a, 0x66), 2.0));
    p.drawPath(tile);
}

// At 16 pixels the detail of the logo turns to mud: same motif, fewer parts.
static void DrawSmallLogo(QPainter& p)
{
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xbc, 0xde, 0xf7));
    p.drawPath(tile);
    p.save();
    p.setClipPath(tile);
    QPolygonF ridge;
    ridge << QPointF(0, 10) << QPointF(4, 6) << QPointF(6, 8) << QPointF(10, 3) << QPointF(16, 9) << QPointF(16, 12)
          << QPointF(0, 12);
    p.setBrush(QColor(0x6c, 0x7c, 0x8c));
    p.drawPolygon(ridge);
    Cells(p, 0, 11, 15, 15, QColor(0x25, 0x5c, 0xa8));
    Cells(p, 2, 13, 4, 13, QColor(0xbf, 0xe0, 0xfa));
    Cells(p, 11, 13, 13, 13, QColor(0xbf, 0xe0, 0xfa));
    p.restore();
    // The letter as cells: bar and stem, with a dark edge.
    const QColor edge(0x10, 0x26, 0x4a);
    const QColor face(0xff, 0xfb, 0xf0);
    Cells(p, 3, 2, 12, 5, edge);
    Cells(p, 6, 5, 9, 14, edge);
    Cells(p, 4, 3, 11, 4, face);
    Cells(p, 7, 5, 8, 13, face);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1a, 0x3a, 0x66), 1.0));
    p.drawPath(tile);
}

QPixmap AboutBitmap()
{
    return QPixmap::fromImage(Render(64, 64.0, DrawLogo));
}

QImage ApplicationIconImage(int nPixels)
{
    return nPixels < 32 ? Render(nPixels, 16.0, DrawSmallLogo) : Render(nPixels, 64.0, DrawLogo);
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int nSize : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(nSize)));
    return icon;
}
