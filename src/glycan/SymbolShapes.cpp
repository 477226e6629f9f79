#include "Glycan.h"
#include "Int32.h"
#include "Int32Sum.h"

#include <cmath>
#include <vector>

// The six residue symbols. Circle and square are vector shapes; the others are polygons
// whose point arrays keep element 0 unused and hold the vertices as x, y pairs from element 1.

namespace Glycan {

namespace {

const Color black = RGB(0, 0, 0);

/// Fills the polygon in @p c and outlines it in black with the pen width the surface holds.
void FillAndOutline(Graphics& g, const std::vector<std::int32_t>& points, Color c)
{
    g.ForeColor(c);
    g.FillPolygon(points);
    g.ForeColor(black);
    g.DrawPolygon(points);
}

/// Point array of a four-vertex diamond: top, right, bottom, left. Each offset is converted
/// on its own and then added to the centre.
std::vector<std::int32_t> DiamondPoints(std::int32_t x, std::int32_t y, std::int32_t dxRight,
                                        std::int32_t dxLeft, double size, double k)
{
    return {0,
            AddInt32(x, Int32(size * 0.0)),
            SubtractInt32(y, Int32(size * k)),
            AddInt32(x, dxRight),
            SubtractInt32(y, Int32(size * 0.0)),
            AddInt32(x, Int32(size * 0.0)),
            SubtractInt32(y, Int32(size * (-k))),
            AddInt32(x, dxLeft),
            SubtractInt32(y, Int32(size * 0.0))};
}

} // namespace

void DrawCircle(Graphics* g, std::int32_t x, std::int32_t y, double size, Color c)
{
    OvalShape oval;
    oval.Width = size + 2.0;
    oval.Height = size + 2.0;
    oval.FillColor = black;
    if (g == nullptr) {
        return;
    }
    // A black disc one unit wider all round, under the coloured one, makes the rim.
    g->DrawObject(oval, x, y);
    oval.Width = size;
    oval.Height = size;
    oval.FillColor = c;
    g->DrawObject(oval, x, y);
}

void DrawSquare(Graphics* g, std::int32_t x, std::int32_t y, double size, Color c)
{
    RectShape rect;
    rect.Width = size;
    rect.Height = size;
    rect.Border = 100.0;
    rect.BorderColor = black;
    rect.FillColor = c;
    rect.BorderWidth = 1.0;
    rect.Rotation = 0.0;
    if (g != nullptr) {
        g->DrawObject(rect, x, y);
    }
}

void DrawTriangle(Graphics* g, std::int32_t x, std::int32_t y, double size, double /*extra*/,
                  Color c)
{
    const double s = size + 1.0;
    const double h = std::sqrt(3.0) / 2.0;
    const double k = h / 2.0;
    const std::int32_t dx1 = Int32(s * 0.0);
    const std::int32_t dy1 = Int32(s * (h - k));
    const std::int32_t dx2 = Int32(s * 0.5);
    const std::int32_t dy2 = Int32(s * (0.0 - k));
    const std::int32_t dx3 = Int32(s * -0.5);
    const std::int32_t dy3 = Int32(s * (0.0 - k));
    // Apex, lower right corner, lower left corner.
    const std::vector<std::int32_t> points{0,
                                           AddInt32(x, dx1),
                                           SubtractInt32(y, dy1),
                                           AddInt32(x, dx2),
                                           SubtractInt32(y, dy2),
                                           AddInt32(x, dx3),
                                           SubtractInt32(y, dy3)};
    if (g == nullptr) {
        return;
    }
    FillAndOutline(*g, points, c);
}

void DrawDiamond(Graphics* g, std::int32_t x, std::int32_t y, double size, Color c)
{
    if (g == nullptr) {
        return;
    }
    g->PenWidth(1);
    const double k = 1.0 / std::sqrt(2.0);
    FillAndOutline(*g, DiamondPoints(x, y, Int32(size * k), Int32(size * (-k)), size, k), c);
}

void DrawNarrowDiamond(Graphics* g, std::int32_t x, std::int32_t y, double size, Color c)
{
    if (g == nullptr) {
        return;
    }
    const double k = 1.0 / std::sqrt(2.0);
    // Two thirds of the diamond's half-width; the outline keeps the surface's pen width.
    const std::int32_t dxRight = Int32((size * k) * 0.6666666666666666);
    const std::int32_t dxLeft = Int32((size * (-k)) * 0.6666666666666666);
    FillAndOutline(*g, DiamondPoints(x, y, dxRight, dxLeft, size, k), c);
}

void DrawStar(Graphics* g, std::int32_t x, std::int32_t y, double size, double /*extra*/, Color c)
{
    const double r = size * 0.9;
    const double inner = r / 2.5;
    const double cx = static_cast<double>(x);
    const double cy = static_cast<double>(y);
    // Ten vertices, outer and inner alternating, from the outer point at 18 degrees
    // counter-clockwise on screen. Whole coordinates are converted; element 21 stays 0.
    std::vector<std::int32_t> points(22, 0);
    for (int i = 0; i <= 4; ++i) {
        const double a = Pi / 10.0 + ((2.0 * Pi) * i) / 5.0;
        const double b = (3.0 * Pi) / 10.0 + ((2.0 * Pi) * i) / 5.0;
        const auto base = static_cast<std::size_t>(4 * i);
        points[base + 1] = Int32(cx + r * std::cos(a));
        points[base + 2] = Int32(cy + r * (-std::sin(a)));
        points[base + 3] = Int32(cx + inner * std::cos(b));
        points[base + 4] = Int32(cy + inner * (-std::sin(b)));
    }
    if (g == nullptr) {
        return;
    }
    g->ForeColor(c);
    g->FillPolygon(points);
    // A black star would gain nothing from a black outline.
    if (c != black) {
        g->ForeColor(black);
        g->DrawPolygon(points);
    }
}

} // namespace Glycan
