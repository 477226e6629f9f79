#include "FrameworkTestSupport.h"
#include "Glycan.h"
#include "QPainterGraphics.h"
#include "RecordingGraphics.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <set>
#include <sstream>

// Draws sample structures in each symbol set through the QPainter surface and checks that the
// centre of every residue symbol shows exactly the colour the symbol was filled with.

namespace {

const std::vector<std::string> sampleCodes{"3100202", "3011111", "3000333", "4000200",
                                           "5000022", "9000000", "3000660"};

/// One filled area of a drawing: a symbol, a rim disc or the fucose dot.
struct Fill {
    QPoint centre;
    QRectF bounds;
    QRgb colour;
    bool polygon;
};

struct Stroke {
    QLineF line;
    int width;
};

struct Drawing {
    std::vector<Fill> fills;
    std::vector<std::pair<std::size_t, Stroke>> strokes; // stroke after fill number first
};

/// Reads the fills and lines out of a recorded drawing.
Drawing Parse(const std::vector<std::string>& calls)
{
    Drawing drawing;
    QRgb colour = qRgb(0, 0, 0);
    int penWidth = 1;
    for (const std::string& call : calls) {
        std::istringstream in(call);
        std::string op;
        in >> op;
        if (op == "ForeColor") {
            int r, g, b;
            in >> r >> g >> b;
            colour = qRgb(r, g, b);
        } else if (op == "PenWidth") {
            in >> penWidth;
        } else if (op == "DrawLine") {
            double x1, y1, x2, y2;
            in >> x1 >> y1 >> x2 >> y2;
            drawing.strokes.push_back({drawing.fills.size(), {{x1, y1, x2, y2}, penWidth}});
        } else if (op == "FillPolygon") {
            QPolygonF polygon;
            double x, y, sx = 0, sy = 0;
            while (in >> x >> y) {
                polygon << QPointF(x, y);
                sx += x;
                sy += y;
            }
            const QPoint mean(qRound(sx / polygon.size()), qRound(sy / polygon.size()));
            drawing.fills.push_back({mean, polygon.boundingRect(), colour, true});
        } else if (op == "DrawObject") {
            std::string kind;
            int x, y, r, g, b;
            double w, h;
            in >> kind >> x >> y >> w >> h >> r >> g >> b;
            drawing.fills.push_back(
                {QPoint(x, y), QRectF(x - w / 2, y - h / 2, w, h), qRgb(r, g, b), false});
        }
    }
    return drawing;
}

double Distance(const QLineF& line, QPointF p)
{
    const QPointF d = line.p2() - line.p1();
    const double length2 = QPointF::dotProduct(d, d);
    const double t =
        length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - line.p1(), d) / length2, 0.0, 1.0);
    const QPointF q = line.p1() + t * d;
    return std::hypot(p.x() - q.x(), p.y() - q.y());
}

/// Whether the centre of fill @p index is not a clear spot of its colour: a tiny polygon, whose
/// vertices the drawing rounds to whole pixels, or something drawn after it that may cover
/// its centre: a fill (the coloured
/// disc over its rim, the fucose dot) or a line passing near it.
bool Obscured(const Drawing& drawing, std::size_t index)
{
    const Fill& fill = drawing.fills[index];
    const QPoint centre = fill.centre;
    if (fill.polygon && std::min(fill.bounds.width(), fill.bounds.height()) < 6.0) {
        return true;
    }
    for (std::size_t j = index + 1; j < drawing.fills.size(); ++j) {
        if (drawing.fills[j].bounds.adjusted(-1, -1, 1, 1).contains(centre)) {
            return true;
        }
    }
    for (const auto& [after, stroke] : drawing.strokes) {
        if (after > index && Distance(stroke.line, centre) <= stroke.width / 2.0 + 1.5) {
            return true;
        }
    }
    return false;
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

void SetCode(const std::string& code)
{
    for (std::size_t k = 0; k < 9; ++k) {
        Glycan::GlyCode[k] = k < code.size() ? code[k] - '0' : 0;
    }
}

struct SheetCase {
    double scale;
    const char* imageName;
};

class SymbolRenderingTest : public ::testing::TestWithParam<SheetCase> {
  protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void SetUp() override { Glycan::InitializeState(); }
};

TEST_P(SymbolRenderingTest, ResidueCentresShowTheirSetsColours)
{
    const double scale = GetParam().scale;
    const int cellW = static_cast<int>(scale * 34);
    const int cellH = static_cast<int>(scale * 16);
    const std::int32_t sets[] = {Glycan::SymbolSetCFG, Glycan::SymbolSetCFGGreyscale,
                                 Glycan::SymbolSetUOXF};
    QImage image(cellW * static_cast<int>(sampleCodes.size()), cellH * 3, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    std::vector<std::pair<std::int32_t, Fill>> visible;
    {
        QPainter painter(&image);
        fw::QPainterGraphics surface(painter);
        for (int row = 0; row < 3; ++row) {
            const std::int32_t set = sets[row];
            std::set<QRgb> seen;
            for (std::size_t column = 0; column < sampleCodes.size(); ++column) {
                const int x = static_cast<int>((column + 1) * cellW - 7.5 * scale);
                const int y = static_cast<int>((row + 0.5) * cellH - scale);
                Glycan::symbolSet = set;
                SetCode(sampleCodes[column]);
                RecordingGraphics recording;
                Glycan::BuildStructure(&recording, x, y, scale);
                SetCode(sampleCodes[column]);
                Glycan::BuildStructure(&surface, x, y, scale);

                const Drawing drawing = Parse(recording.calls());
                for (std::size_t i = 0; i < drawing.fills.size(); ++i) {
                    seen.insert(drawing.fills[i].colour);
                    if (!Obscured(drawing, i)) {
                        visible.emplace_back(set, drawing.fills[i]);
                    }
                }
            }
            EXPECT_EQ(seen, Palette(set)) << "set " << set;
        }
    }
    image.save(GetParam().imageName);

    int checked = 0;
    for (const auto& [set, fill] : visible) {
        const QRgb pixel = image.pixel(fill.centre);
        EXPECT_EQ(pixel, fill.colour)
            << "set " << set << " at " << fill.centre.x() << "," << fill.centre.y() << ": "
            << std::hex << pixel << " instead of " << fill.colour;
        ++checked;
    }
    EXPECT_GT(checked, 3 * 60);
}

INSTANTIATE_TEST_SUITE_P(Scales, SymbolRenderingTest,
                         ::testing::Values(SheetCase{20.0, "glycan-sets.png"},
                                           SheetCase{3.0, "glycan-sets-small.png"}),
                         [](const auto& testInfo) {
                             return "Scale" +
                                    std::to_string(static_cast<int>(testInfo.param.scale));
                         });

} // namespace
