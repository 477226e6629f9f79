#include "GlycanTestSupport.h"

#include <functional>

using namespace Glycan;

namespace {

struct PolygonRow {
    const char* name;
    std::function<void(Graphics*)> draw;
    const char* vertices;
    bool setsPenWidth = false;
};

// Vertices of the star of size 10 at (100, 100). Pi lies just below π, so the inner point
// straight down has x = 99.99999999946 and truncates to 99. Element 21 stays 0.
constexpr const char* starAt100 = "108 97 102 97 100 91 97 97 91 97 96 101 94 107 99 103 105 "
                                  "107 103 101 0";

} // namespace

TEST(SymbolShapes, PolygonsAreFilledThenOutlinedInBlack)
{
    const PolygonRow rows[] = {
        // Offsets ±7.071 truncated.
        {"diamond", [](Graphics* g) { DrawDiamond(g, 50, 60, 10.0, RGB(1, 2, 3)); },
         "50 53 57 60 50 67 43 60", true},
        // Offsets ±6.364 and ±4.243 truncated.
        {"narrow diamond", [](Graphics* g) { DrawNarrowDiamond(g, 50, 60, 9.0, RGB(1, 2, 3)); },
         "50 54 54 60 50 66 46 60"},
        // Side 10: offsets 4.330 and 5.0, apex first.
        {"triangle", [](Graphics* g) { DrawTriangle(g, 50, 60, 9.0, 0.0, RGB(1, 2, 3)); },
         "50 56 55 64 45 64"},
        {"star", [](Graphics* g) { DrawStar(g, 100, 100, 10.0, 0.0, RGB(1, 2, 3)); }, starAt100},
        // Whole coordinates truncate: -91.44 gives -91 where an offset would give -92, and
        // the top point's -99.99999999955 gives -99.
        {"star left of the origin",
         [](Graphics* g) { DrawStar(g, -100, -100, 10.0, 0.0, RGB(1, 2, 3)); },
         "-91 -102 -97 -102 -99 -109 -102 -102 -108 -102 -103 -98 -105 -92 -100 -96 -94 -92 -96 "
         "-98 0"},
        // Sums beyond the Int32 range saturate.
        {"narrow diamond at the edge",
         [](Graphics* g) { DrawNarrowDiamond(g, 2147483647, -2147483647, 9.0, RGB(1, 2, 3)); },
         "2147483647 -2147483648 2147483647 -2147483647 2147483647 -2147483641 2147483643 "
         "-2147483647"},
    };
    for (const PolygonRow& row : rows) {
        // Only the diamond sets a pen width; the others outline with the surface's.
        Trace expected = row.setsPenWidth ? Trace{"PenWidth 1"} : Trace{};
        expected.insert(expected.end(),
                        {"ForeColor 1 2 3", std::string("FillPolygon ") + row.vertices,
                         "ForeColor 0 0 0", std::string("DrawPolygon ") + row.vertices});
        EXPECT_EQ(Record(row.draw), expected) << row.name;
    }
    // A black star gets no outline.
    EXPECT_EQ(Record([](Graphics* g) { DrawStar(g, 100, 100, 10.0, 0.0, RGB(0, 0, 0)); }),
              (Trace{"ForeColor 0 0 0", std::string("FillPolygon ") + starAt100}));
}

TEST(SymbolShapes, CircleAndSquareAreCentredShapes)
{
    EXPECT_EQ(Record([](Graphics* g) { DrawCircle(g, 50, 60, 10.0, RGB(0, 255, 0)); }),
              (Trace{"DrawObject Oval 50 60 12 12 0 0 0 0 0 0 0 1 0",
                     "DrawObject Oval 50 60 10 10 0 255 0 0 0 0 0 1 0"}));
    EXPECT_EQ(Record([](Graphics* g) { DrawSquare(g, 50, 60, 10.5, RGB(64, 64, 64)); }),
              (Trace{"DrawObject Rect 50 60 10.5 10.5 64 64 64 100 0 0 0 1 0"}));
}

TEST(SymbolShapes, NilSurfaceIsNotTouched)
{
    DrawCircle(nullptr, 1, 2, 10.0, RGB(1, 2, 3));
    DrawSquare(nullptr, 1, 2, 10.0, RGB(1, 2, 3));
    DrawTriangle(nullptr, 1, 2, 10.0, 0.0, RGB(1, 2, 3));
    DrawDiamond(nullptr, 1, 2, 10.0, RGB(1, 2, 3));
    DrawNarrowDiamond(nullptr, 1, 2, 10.0, RGB(1, 2, 3));
    DrawStar(nullptr, 1, 2, 10.0, 0.0, RGB(1, 2, 3));
}
