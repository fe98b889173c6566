#include "ui/art/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace Artwork {
namespace {

// Every toolbar picture is drawn on a 16 by 16 grid. Outlines run along half-pixel lines so a one-pixel pen
// covers whole pixels, which keeps edges sharp at 16 and exactly doubled at 32.
constexpr qreal kGrid = 16.0;
constexpr qreal kPi = std::numbers::pi;

// A fill colour with the darker colour of its one-pixel outline; the outline is what lets a picture read on
// both light and dark toolbars.
struct Ink
{
    QColor fill;
    QColor line;
};

const Ink kGreen{QColor(0x5f, 0xc4, 0x3c), QColor(0x1d, 0x5a, 0x10)};
const Ink kRed{QColor(0xe8, 0x3b, 0x30), QColor(0x78, 0x10, 0x0c)};
const Ink kBlue{QColor(0x3f, 0x8c, 0xe6), QColor(0x15, 0x3c, 0x78)};
const Ink kTab{QColor(0x6f, 0xaa, 0xe8), QColor(0x1f, 0x44, 0x7a)};
const Ink kTabBack{QColor(0xb6, 0xcc, 0xe6), QColor(0x1f, 0x44, 0x7a)};
const Ink kPaper{QColor(0xf4, 0xf6, 0xf8), QColor(0x55, 0x5d, 0x68)};
const Ink kFold{QColor(0xd2, 0xd8, 0xe0), QColor(0x55, 0x5d, 0x68)};
const Ink kFolder{QColor(0xf5, 0xc2, 0x3d), QColor(0x80, 0x58, 0x08)};
const Ink kFolderBack{QColor(0xde, 0xa0, 0x28), QColor(0x80, 0x58, 0x08)};
const Ink kGold{QColor(0xff, 0xc4, 0x1c), QColor(0x8c, 0x5c, 0x00)};
const Ink kSteel{QColor(0x8e, 0xa4, 0xbe), QColor(0x2a, 0x36, 0x48)};
const Ink kBin{QColor(0x9c, 0xb4, 0xcc), QColor(0x2a, 0x3a, 0x50)};
const Ink kWood{QColor(0xb0, 0x6a, 0x30), QColor(0x4a, 0x24, 0x08)};
const Ink kStraw{QColor(0xf0, 0xcc, 0x5a), QColor(0x7a, 0x56, 0x10)};
const Ink kPencil{QColor(0xf7, 0xb5, 0x25), QColor(0x6a, 0x40, 0x00)};
const Ink kPencilWood{QColor(0xf6, 0xdc, 0xac), QColor(0x6a, 0x40, 0x00)};
const Ink kEraser{QColor(0xf0, 0x80, 0x88), QColor(0x70, 0x20, 0x28)};
const Ink kFerrule{QColor(0xc8, 0xcc, 0xd2), QColor(0x40, 0x44, 0x4c)};
const Ink kSky{QColor(0x8c, 0xc8, 0xf4), QColor(0x3a, 0x40, 0x4a)};
const QColor kTextLine(0x9a, 0xa8, 0xb8);
const QColor kInk(0x2a, 0x34, 0x44);

// --- Shared drawing helpers ------------------------------------------------------------------------------

QPainterPath Box(qreal left, qreal top, qreal right, qreal bottom)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// Fills a shape with a soft top-to-bottom shade of its colour and rings it with its outline.
void Paint(QPainter& p, const QPainterPath& path, const Ink& ink)
{
    const QRectF bounds = path.boundingRect();
    QLinearGradient shade(bounds.topLeft(), bounds.bottomLeft());
    shade.setColorAt(0.0, ink.fill.lighter(125));
    shade.setColorAt(1.0, ink.fill.darker(105));
    p.setBrush(shade);
    p.setPen(QPen(ink.line, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(path);
}

// A solid fill with no outline, for details inside an already outlined shape.
void Fill(QPainter& p, const QPainterPath& path, const QColor& colour)
{
    p.fillPath(path, colour);
}

// A one-pixel line between pixel centres.
void Line(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
}

// A sheet of paper with a folded top-right corner; the edges are given on half-pixel lines.
void Page(QPainter& p, qreal left, qreal top, qreal right, qreal bottom, bool withText = true)
{
    const qreal fold = 3.0;
    Paint(p,
          Polygon({{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}}),
          kPaper);
    Paint(p, Polygon({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}), kFold);
    if (!withText)
        return;
    // Lines of text start below the fold and stop a pixel short of the edges.
    for (qreal y = top + 3.0; y < bottom - 1.0; y += 2.0) {
        const qreal end = y < top + fold + 1.0 ? right - fold - 1.0 : right - 1.5;
        Line(p, {left + 1.5, y}, {end, y}, kTextLine);
    }
}

// A yellow folder; an open one tips its front flap forward to show the back.
void Folder(QPainter& p, bool open)
{
    Paint(p, Polygon({{0.5, 2.5}, {5.5, 2.5}, {6.5, 3.5}, {14.5, 3.5}, {14.5, 13.5}, {0.5, 13.5}}),
          kFolderBack);
    if (open) {
        Paint(p, Box(2.5, 5.5, 12.5, 9.5), kPaper);
        Paint(p, Polygon({{3.5, 6.5}, {15.5, 6.5}, {13.5, 13.5}, {0.5, 13.5}}), kFolder);
    } else {
        Paint(p, Box(0.5, 5.5, 14.5, 13.5), kFolder);
    }
}

// The group picture: a front tab joined to its page with a second tab peeking out behind.
void Tabs(QPainter& p)
{
    Paint(p, Box(7.5, 2.5, 13.5, 4.5), kTabBack);
    Paint(p, Polygon({{0.5, 1.5}, {7.5, 1.5}, {7.5, 4.5}, {14.5, 4.5}, {14.5, 13.5}, {0.5, 13.5}}), kTab);
    Line(p, {1.5, 5.5}, {7.5, 5.5}, QColor(0xff, 0xff, 0xff, 0x90));
}

// A plus sign centred on `c`, `half` from centre to outer outline, arms `arm` from centre to their edge.
QPainterPath PlusShape(QPointF c, qreal half, qreal arm)
{
    const qreal x = c.x();
    const qreal y = c.y();
    return Polygon({{x - arm, y - half},
                    {x + arm, y - half},
                    {x + arm, y - arm},
                    {x + half, y - arm},
                    {x + half, y + arm},
                    {x + arm, y + arm},
                    {x + arm, y + half},
                    {x - arm, y + half},
                    {x - arm, y + arm},
                    {x - half, y + arm},
                    {x - half, y - arm},
                    {x - arm, y - arm}});
}

// A diagonal cross filling the square `half` around `c`; `cut` sets how thick its bars are.
QPainterPath CrossShape(QPointF c, qreal half, qreal cut)
{
    const qreal x = c.x();
    const qreal y = c.y();
    return Polygon({{x - half, y - half + cut},
                    {x - half + cut, y - half},
                    {x, y - cut},
                    {x + half - cut, y - half},
                    {x + half, y - half + cut},
                    {x + cut, y},
                    {x + half, y + half - cut},
                    {x + half - cut, y + half},
                    {x, y + cut},
                    {x - half + cut, y + half},
                    {x - half, y + half - cut},
                    {x - cut, y}});
}

// Clears a one-pixel gap around a shape about to be laid over another picture, so a small badge stays
// readable instead of merging into the outline beneath it.
void Cutout(QPainter& p, const QPainterPath& path)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::black, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::black);
    p.drawPath(path);
    p.restore();
}

void Badge(QPainter& p, const QPainterPath& path, const Ink& ink)
{
    Cutout(p, path);
    Paint(p, path, ink);
}

// Tiny letters set pixel by pixel, so they stay sharp and need no installed font; '#' marks a lit pixel.
void PixelLetter(QPainter& p, int left, int top, std::initializer_list<const char*> rows,
                 const QColor& colour)
{
    int y = top;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == '#')
                p.fillRect(QRectF(left + x, y, 1.0, 1.0), colour);
        }
        ++y;
    }
}

// A pencil lying from its point at `tip` up and to the right.
void Pencil(QPainter& p, QPointF tip, qreal length)
{
    const qreal h = 1.8;
    const qreal cone = 3.2;
    p.save();
    p.translate(tip);
    p.rotate(-45.0);
    Cutout(p, Polygon({{0.0, 0.0}, {cone, -h}, {length, -h}, {length, h}, {cone, h}}));
    Paint(p, Box(length - 2.2, -h, length, h), kEraser);
    Paint(p, Box(length - 3.4, -h, length - 2.2, h), kFerrule);
    Paint(p, Polygon({{cone, -h}, {length - 3.4, -h}, {length - 3.4, h}, {cone, h}}), kPencil);
    Paint(p, Polygon({{0.0, 0.0}, {cone, -h}, {cone, h}}), kPencilWood);
    Fill(p, Polygon({{-0.3, 0.0}, {1.3, -0.8}, {1.3, 0.8}}), kInk);
    p.restore();
}

// A straight arrow from `from` to `to`: `shaft` and `head` are half widths, `headLength` the head's length.
QPainterPath ArrowShape(QPointF from, QPointF to, qreal shaft, qreal head, qreal headLength)
{
    const qreal length = std::hypot(to.x() - from.x(), to.y() - from.y());
    const qreal neck = length - headLength;
    QPainterPath local = Polygon({{0.0, -shaft},
                                  {neck, -shaft},
                                  {neck, -head},
                                  {length, 0.0},
                                  {neck, head},
                                  {neck, shaft},
                                  {0.0, shaft}});
    QTransform t;
    t.translate(from.x(), from.y());
    t.rotateRadians(std::atan2(to.y() - from.y(), to.x() - from.x()));
    return t.map(local);
}

// A straight bar of half width `half`, for handles.
QPainterPath Bar(QPointF from, QPointF to, qreal half)
{
    return ArrowShape(from, to, half, half, 0.0);
}

// A thick arc around `c` with an arrow head at its end; angles in degrees, counter-clockwise from three
// o'clock as Qt counts them, a negative sweep running clockwise.
QPainterPath ArcArrowShape(QPointF c, qreal radius, qreal startDeg, qreal sweepDeg, qreal thickness,
                           qreal head, qreal headLength)
{
    const QRectF ring(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    QPainterPath centreLine;
    centreLine.arcMoveTo(ring, startDeg);
    centreLine.arcTo(ring, startDeg, sweepDeg);
    QPainterPathStroker stroker;
    stroker.setWidth(thickness);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath body = stroker.createStroke(centreLine);

    const qreal end = (startDeg + sweepDeg) * kPi / 180.0;
    const QPointF radial(std::cos(end), -std::sin(end));
    const qreal turn = sweepDeg < 0 ? -1.0 : 1.0;
    const QPointF ahead(-std::sin(end) * turn, -std::cos(end) * turn);
    const QPointF base = c + radial * radius;
    const QPainterPath tip = Polygon({base + radial * head, base + ahead * headLength, base - radial * head});
    return body.united(tip).simplified();
}

// A five-pointed star around `c`.
QPainterPath StarShape(QPointF c, qreal outer, qreal inner)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -kPi / 2 + i * kPi / 5;
        points << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

void TrashCanShape(QPainter& p)
{
    Paint(p, Polygon({{2.5, 4.5}, {12.5, 4.5}, {11.5, 15.5}, {3.5, 15.5}}), kBin);
    for (qreal x = 5.5; x < 10.0; x += 2.0)
        Line(p, {x, 6.5}, {x, 14.0}, kBin.line.lighter(150));
    Paint(p, Box(5.5, 0.5, 9.5, 2.5), kBin);
    Paint(p, Box(1.5, 2.5, 13.5, 4.5), kBin);
}

// --- Glyphs ----------------------------------------------------------------------------------------------

void DrawNewGroup(QPainter& p)
{
    Tabs(p);
    Badge(p, PlusShape({12.0, 12.0}, 3.5, 1.5), kGreen);
}

void DrawDeleteGroup(QPainter& p)
{
    Tabs(p);
    Badge(p, Box(8.5, 10.5, 15.5, 14.5), kRed);
}

void DrawRenameGroup(QPainter& p)
{
    Tabs(p);
    Pencil(p, {5.5, 15.0}, 13.0);
}

void DrawReorderGroups(QPainter& p)
{
    Paint(p, ArrowShape({4.0, 7.5}, {4.0, 0.5}, 1.0, 3.0, 3.5), kBlue);
    Paint(p, ArrowShape({4.0, 8.5}, {4.0, 15.5}, 1.0, 3.0, 3.5), kBlue);
    for (qreal y = 2.5; y < 15.0; y += 4.0)
        Paint(p, Box(8.5, y, 15.5, y + 2.0), kTab);
}

void DrawSettings(QPainter& p)
{
    const QPointF c(8.0, 8.0);
    const int teeth = 8;
    QPolygonF rim;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * 2 * kPi / teeth;
        const qreal step = kPi / teeth;
        for (auto [r, da] : {std::pair{5.4, -step * 0.72}, std::pair{7.5, -step * 0.42},
                             std::pair{7.5, step * 0.42}, std::pair{5.4, step * 0.72}})
            rim << QPointF(c.x() + r * std::cos(a + da), c.y() + r * std::sin(a + da));
    }
    QPainterPath gear;
    gear.addPolygon(rim);
    gear.closeSubpath();
    gear.addEllipse(c, 2.5, 2.5);
    gear.setFillRule(Qt::OddEvenFill);
    Paint(p, gear, kSteel);
}

void DrawStartupList(QPainter& p)
{
    Paint(p, Polygon({{3.5, 1.5}, {14.5, 8.0}, {3.5, 14.5}}), kGreen);
}

void DrawAbout(QPainter& p)
{
    Paint(p, Circle({8.0, 8.0}, 7.0), kBlue);
    Fill(p, Box(7.0, 3.0, 9.0, 5.0), Qt::white);
    Fill(p, Box(7.0, 6.0, 9.0, 12.0), Qt::white);
    Fill(p, Box(6.0, 6.0, 7.0, 7.0), Qt::white);
    Fill(p, Box(6.0, 11.0, 10.0, 12.0), Qt::white);
}

void DrawNewShortcut(QPainter& p)
{
    Page(p, 2.5, 0.5, 12.5, 15.5);
    Badge(p, PlusShape({12.0, 12.0}, 3.5, 1.5), kGreen);
}

void DrawBlankPage(QPainter& p)
{
    Page(p, 2.5, 0.5, 13.5, 15.5, false);
}

void DrawEditShortcut(QPainter& p)
{
    Page(p, 2.5, 0.5, 12.5, 15.5);
    Pencil(p, {5.5, 15.0}, 13.0);
}

void DrawDeleteShortcut(QPainter& p)
{
    Paint(p, CrossShape({8.0, 8.0}, 6.5, 3.0), kRed);
}

void DrawPhysicalDelete(QPainter& p)
{
    TrashCanShape(p);
    Badge(p, Circle({12.0, 12.0}, 3.5), kRed);
    Fill(p, Box(11.0, 9.0, 13.0, 12.0), Qt::white);
    Fill(p, Box(11.0, 13.0, 13.0, 15.0), Qt::white);
}

void DrawTrashCan(QPainter& p)
{
    TrashCanShape(p);
}

void DrawSearch(QPainter& p)
{
    Page(p, 1.5, 0.5, 10.5, 12.5);
    Paint(p, Bar({9.0, 9.0}, {15.2, 15.2}, 1.4), kWood);
    QPainterPath lens = Circle({8.0, 8.0}, 4.5);
    lens.addEllipse(QPointF(8.0, 8.0), 3.0, 3.0);
    QRadialGradient glass(QPointF(7.0, 7.0), 3.5);
    glass.setColorAt(0.0, QColor(0xff, 0xff, 0xff, 0xd0));
    glass.setColorAt(1.0, QColor(0x7c, 0xc0, 0xf0, 0xb0));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(QPointF(8.0, 8.0), 3.0, 3.0);
    Paint(p, lens, kSteel);
}

// Two cards, a and b, with arrows carrying each into the other's place. The arrows turn square corners so
// they stay on the pixel grid; curved ones smear into blobs at this size.
void DrawReplaceText(QPainter& p)
{
    Paint(p, Box(0.5, 0.5, 7.5, 7.5), kPaper);
    PixelLetter(p, 2, 2, {".##.", "...#", ".###", "#..#", ".###"}, kInk);
    Paint(p, Box(8.5, 8.5, 15.5, 15.5), kPaper);
    PixelLetter(p, 10, 10, {"#...", "#...", "###.", "#..#", "###."}, kInk);
    Paint(p,
          Polygon({{8.5, 2.5},
                   {13.5, 2.5},
                   {13.5, 5.5},
                   {15.5, 5.5},
                   {12.5, 8.5},
                   {9.5, 5.5},
                   {11.5, 5.5},
                   {11.5, 4.5},
                   {8.5, 4.5}}),
          kBlue);
    Paint(p,
          Polygon({{7.5, 13.5},
                   {2.5, 13.5},
                   {2.5, 10.5},
                   {0.5, 10.5},
                   {3.5, 7.5},
                   {6.5, 10.5},
                   {4.5, 10.5},
                   {4.5, 11.5},
                   {7.5, 11.5}}),
          kGreen);
}

void DrawCleanUp(QPainter& p)
{
    Paint(p, Bar({8.0, 8.0}, {15.3, 0.7}, 0.9), kWood);
    // The head is drawn standing upright, then tipped over to sweep towards the bottom left.
    p.save();
    p.translate(7.0, 9.0);
    p.rotate(45.0);
    Paint(p, Polygon({{-1.8, -0.5}, {1.8, -0.5}, {3.6, 6.0}, {-3.6, 6.0}}), kStraw);
    for (qreal x = -1.8; x <= 1.8; x += 1.8)
        Line(p, {x * 0.6, 1.5}, {x * 1.3, 5.5}, kStraw.line.lighter(140));
    Paint(p, Box(-2.0, -1.2, 2.0, 0.8), kRed);
    p.restore();
}

void DrawRefresh(QPainter& p)
{
    Paint(p, ArcArrowShape({8.0, 8.0}, 5.0, 160.0, -110.0, 2.4, 3.5, 3.5), kGreen);
    Paint(p, ArcArrowShape({8.0, 8.0}, 5.0, 340.0, -110.0, 2.4, 3.5, 3.5), kGreen);
}

void DrawArrowUp(QPainter& p)
{
    Paint(p, ArrowShape({8.0, 15.5}, {8.0, 0.5}, 2.0, 6.0, 6.5), kBlue);
}

void DrawArrowDown(QPainter& p)
{
    Paint(p, ArrowShape({8.0, 0.5}, {8.0, 15.5}, 2.0, 6.0, 6.5), kBlue);
}

void DrawOpenFolder(QPainter& p)
{
    Folder(p, true);
}

void DrawClosedFolder(QPainter& p)
{
    Folder(p, false);
}

void DrawStarOutline(QPainter& p)
{
    p.setPen(QPen(kGold.line, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(StarShape({8.0, 8.6}, 7.6, 3.2));
    p.setPen(QPen(kGold.fill, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(StarShape({8.0, 8.6}, 6.0, 2.5));
}

void DrawRefreshIconCache(QPainter& p)
{
    Paint(p, Box(0.5, 0.5, 11.5, 9.5), kSky);
    Fill(p, Polygon({{1.0, 9.0}, {1.0, 6.0}, {3.5, 4.0}, {7.0, 7.0}, {11.0, 4.5}, {11.0, 9.0}}),
         QColor(0x4c, 0xa8, 0x38));
    Fill(p, Circle({8.0, 3.0}, 1.3), QColor(0xff, 0xe0, 0x40));
    Badge(p, ArcArrowShape({11.5, 11.5}, 3.0, 90.0, -230.0, 2.2, 3.0, 3.0), kGreen);
}

void DrawPlusSign(QPainter& p)
{
    Paint(p, PlusShape({8.0, 8.0}, 6.5, 2.5), kGreen);
}

void DrawMinusSign(QPainter& p)
{
    Paint(p, Box(1.5, 5.5, 14.5, 10.5), kRed);
}

void DrawCheckMark(QPainter& p)
{
    Paint(p, Polygon({{0.5, 8.5}, {3.0, 6.0}, {6.0, 9.0}, {13.0, 2.0}, {15.5, 4.5}, {6.0, 14.0}}), kGreen);
}

void DrawFavourites(QPainter& p)
{
    Paint(p, StarShape({8.0, 8.6}, 7.6, 3.2), kGold);
}

void DrawExit(QPainter& p)
{
    Fill(p, Box(1.0, 1.0, 10.0, 16.0), QColor(0x3a, 0x2a, 0x20));
    Paint(p, Polygon({{1.5, 1.5}, {7.5, 3.5}, {7.5, 15.5}, {1.5, 14.5}}), kWood);
    Fill(p, Box(5.0, 8.0, 6.0, 9.0), kGold.fill);
    Paint(p, ArrowShape({6.0, 8.0}, {15.5, 8.0}, 1.5, 4.0, 4.5), kGreen);
}

using Glyph = void (*)(QPainter&);

// The toolbar's image list order; the index is what the menus and toolbar store.
constexpr std::array<Glyph, ToolbarPictureCount> kGlyphs{
    DrawNewGroup,         // 0
    DrawDeleteGroup,      // 1
    DrawRenameGroup,      // 2
    DrawReorderGroups,    // 3
    DrawSettings,         // 4
    DrawStartupList,      // 5
    DrawAbout,            // 6
    DrawNewShortcut,      // 7
    DrawBlankPage,        // 8
    DrawEditShortcut,     // 9
    DrawDeleteShortcut,   // 10
    DrawPhysicalDelete,   // 11
    DrawTrashCan,         // 12
    DrawSearch,           // 13
    DrawReplaceText,      // 14
    DrawCleanUp,          // 15
    DrawRefresh,          // 16
    DrawArrowUp,          // 17
    DrawArrowDown,        // 18
    DrawOpenFolder,       // 19
    DrawClosedFolder,     // 20
    DrawStarOutline,      // 21
    DrawRefreshIconCache, // 22
    DrawPlusSign,         // 23
    DrawMinusSign,        // 24
    DrawCheckMark,        // 25
    DrawFavourites,       // 26
    DrawExit,             // 27
};

// --- Application emblem ----------------------------------------------------------------------------------

QImage Blank(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The emblem is a white K over a grid of launch tiles on a warm rounded square, the K's upper arm swept back
// like a kestrel's wing. At 16 pixels the tiles and the curve would only smear, so the smallest drawing keeps
// the square, a straight-armed K on the 16 grid and the one lit tile.
void DrawEmblem(QPainter& p, int size)
{
    const bool small = size < 22;
    const qreal unit = small ? kGrid : 32.0;
    const qreal pixel = unit / size;
    p.scale(size / unit, size / unit);

    const QRectF square(pixel / 2, pixel / 2, unit - pixel, unit - pixel);
    QLinearGradient warm(square.topLeft(), square.bottomRight());
    warm.setColorAt(0.0, QColor(0xff, 0xbc, 0x40));
    warm.setColorAt(1.0, QColor(0xe2, 0x4c, 0x12));
    p.setBrush(warm);
    p.setPen(QPen(QColor(0x86, 0x26, 0x04), pixel));
    const qreal radius = unit * 0.19;
    p.drawRoundedRect(square, radius, radius);

    const QColor lit(0x22, 0x48, 0x8c);
    if (small) {
        p.fillRect(QRectF(11.0, 7.0, 3.0, 3.0), lit);
        Fill(p,
             Polygon({{3.0, 3.0},
                      {6.0, 3.0},
                      {6.0, 7.0},
                      {10.0, 3.0},
                      {13.5, 3.0},
                      {8.5, 8.0},
                      {13.5, 13.0},
                      {10.0, 13.0},
                      {6.0, 9.0},
                      {6.0, 13.0},
                      {3.0, 13.0}}),
             Qt::white);
        return;
    }

    // The launch grid, with the tile in the K's open mouth lit as if just launched.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 1 && col == 2 ? lit : QColor(0xff, 0xff, 0xff, 0x40));
            p.drawRoundedRect(QRectF(4.0 + col * 8.5, 4.0 + row * 8.5, 7.0, 7.0), 1.5, 1.5);
        }
    }

    QPainterPath k;
    k.moveTo(7.0, 6.0);
    k.lineTo(12.0, 6.0);
    k.lineTo(12.0, 15.0);
    k.cubicTo(15.0, 10.5, 20.0, 6.0, 28.0, 3.5);
    k.cubicTo(23.5, 7.5, 20.5, 12.5, 16.5, 17.0);
    // The leg striding out to the bottom right, then back along the stem.
    k.lineTo(26.0, 26.0);
    k.lineTo(20.0, 26.0);
    k.lineTo(12.0, 18.5);
    k.lineTo(12.0, 26.0);
    k.lineTo(7.0, 26.0);
    k.closeSubpath();
    Fill(p, k.translated(0.7, 0.9), QColor(0x70, 0x20, 0x00, 0x70));
    Fill(p, k, Qt::white);
}

} // namespace

QImage ToolbarImage(int index, int size)
{
    if (index < 0 || index >= ToolbarPictureCount || size < 1)
        return {};
    QImage image = Blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    kGlyphs[static_cast<std::size_t>(index)](p);
    return image;
}

QIcon ToolbarIcon(int index)
{
    if (index < 0 || index >= ToolbarPictureCount)
        return {};
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(ToolbarImage(index, size)));
    return icon;
}

QImage ApplicationImage(int size)
{
    if (size < 1)
        return {};
    QImage image = Blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawEmblem(p, size);
    return image;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ApplicationImage(size)));
    return icon;
}

} // namespace Artwork
