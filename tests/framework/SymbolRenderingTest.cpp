#include "FrameworkTestSupport.h"
#include "Glycan.h"
#include "QPainterGraphics.h"
#include "RecordingGraphics.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <set>
#include <sstream>

// Draws sample structures in each symbol set through the QPainter surface and checks that the
// centre of every residue symbol shows exactly the colour the recorded drawing filled it with.

namespace {

/// One filled area of a drawing: a symbol, a rim disc or the fucose dot.
struct Fill {
    QPoint centre;
    QRectF bounds;
    QRgb colour;
};

/// The fills of a recorded drawing, in drawing order; a polygon's centre is its vertex mean.
std::vector<Fill> Fills(const std::vector<std::string>& calls)
{
    std::vector<Fill> fills;
    QRgb colour = qRgb(0, 0, 0);
    for (const std::string& call : calls) {
        std::istringstream in(call);
        std::string op, kind;
        int x, y, r, g, b;
        double w, h;
        in >> op;
        if (op == "ForeColor" && in >> r >> g >> b) {
            colour = qRgb(r, g, b);
        } else if (op == "FillPolygon") {
            QPolygonF polygon;
            while (in >> x >> y) {
                polygon << QPointF(x, y);
            }
            QPointF sum;
            for (const QPointF& p : polygon) {
                sum += p;
            }
            fills.push_back({(sum / polygon.size()).toPoint(), polygon.boundingRect(), colour});
        } else if (op == "DrawObject" && in >> kind >> x >> y >> w >> h >> r >> g >> b) {
            fills.push_back({{x, y}, QRectF(x - w / 2, y - h / 2, w, h), qRgb(r, g, b)});
        }
    }
    return fills;
}

std::set<QRgb> Palette(std::int32_t symbolSet)
{
    switch (symbolSet) {
    case Glycan::SymbolSetCFG:
        return {qRgb(0, 255, 0), qRgb(0, 0, 255),   qRgb(255, 255, 0),
                qRgb(255, 0, 0), qRgb(255, 0, 255), qRgb(0, 0, 0)};
    case Glycan::SymbolSetCFGGreyscale:
        return {qRgb(128, 128, 128), qRgb(64, 64, 64), qRgb(192, 192, 192), qRgb(0, 0, 0)};
    default:
        return {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    }
}

TEST(SymbolRendering, ResidueCentresShowTheirSetsColours)
{
    EnsureApplication();
    Glycan::InitializeState();
    const std::vector<std::string> codes{"3100202", "3011111", "3000333", "4000200",
                                         "5000022", "9000000", "3000660"};
    const std::int32_t sets[] = {Glycan::SymbolSetCFG, Glycan::SymbolSetCFGGreyscale,
                                 Glycan::SymbolSetUOXF};
    const double scale = 20.0;
    const int cellW = 34 * 20;
    const int cellH = 16 * 20;
    QImage image(cellW * static_cast<int>(codes.size()), cellH * 3, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));

    std::vector<Fill> visible;
    {
        QPainter painter(&image);
        fw::QPainterGraphics surface(painter);
        for (int row = 0; row < 3; ++row) {
            Glycan::symbolSet = sets[row];
            std::set<QRgb> colours;
            for (std::size_t column = 0; column < codes.size(); ++column) {
                const int x = static_cast<int>((column + 1) * cellW - 7.5 * scale);
                const int y = static_cast<int>((row + 0.5) * cellH - scale);
                RecordingGraphics recording;
                for (Graphics* g :
                     {static_cast<Graphics*>(&recording), static_cast<Graphics*>(&surface)}) {
                    for (std::size_t k = 0; k < 9; ++k) {
                        Glycan::GlyCode[k] = k < 7 ? codes[column][k] - '0' : 0;
                    }
                    Glycan::BuildStructure(g, x, y, scale);
                }
                const std::vector<Fill> fills = Fills(recording.calls());
                for (std::size_t i = 0; i < fills.size(); ++i) {
                    colours.insert(fills[i].colour);
                    // A fill drawn later over this centre hides it: the coloured disc its
                    // rim, the fucose dot its diamond.
                    const bool hidden = std::any_of(
                        fills.begin() + static_cast<std::ptrdiff_t>(i) + 1, fills.end(),
                        [&](const Fill& later) { return later.bounds.contains(fills[i].centre); });
                    if (!hidden) {
                        visible.push_back(fills[i]);
                    }
                }
            }
            EXPECT_EQ(colours, Palette(sets[row])) << "set " << sets[row];
        }
    }
    // Left in the test's folder for a person to look at.
    image.save("glycan-sets.png");

    EXPECT_GT(visible.size(), 3u * 60u);
    for (const Fill& fill : visible) {
        EXPECT_EQ(image.pixel(fill.centre), fill.colour)
            << "at " << fill.centre.x() << "," << fill.centre.y();
    }
}

} // namespace
