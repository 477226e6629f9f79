#include "Glycan.h"
#include "Int32.h"
#include "Int32Sum.h"
#include "StructureLayout.h"

namespace Glycan {

namespace {

/// The digit on the other antenna position of the same arm: 3 with 4, 5 with 6.
std::int32_t PartnerDigit(std::int32_t position)
{
    switch (position) {
    case 3:
        return GlyCode[4];
    case 4:
        return GlyCode[3];
    case 5:
        return GlyCode[6];
    default:
        return GlyCode[5];
    }
}

/// Row of an antenna's attachment point. Two antennae on one arm fan out one unit above and
/// below the arm's row; a lone antenna continues along the arm, except at position 3, which
/// keeps its upper place, and at position 4 with four mannoses, which leaves the upper place
/// to the extra mannose.
std::int32_t AntennaRow(std::int32_t position, bool partnered, double y, double s)
{
    switch (position) {
    case 3:
        return Int32((y - 2.0 * s) - s);
    case 4:
        if (partnered) {
            return Int32((y - 2.0 * s) + s);
        }
        return GlyCode[0] == 4 ? Int32(y - s) : Int32(y - 2.0 * s);
    case 5:
        return partnered ? Int32((y + 2.0 * s) - s) : Int32(y + 2.0 * s);
    default:
        return partnered ? Int32((y + 2.0 * s) + s) : Int32(y + 2.0 * s);
    }
}

struct Point {
    std::int32_t x;
    std::int32_t y;
};

} // namespace

void DrawSymbolLayout(StructureLayout& layout)
{
    Graphics* const g = layout.g;
    const double x = layout.x;
    const double y = layout.y;
    const double s = layout.s;
    const Color grey = layout.grey;
    const std::int32_t mannoses = GlyCode[0];

    auto line = [&](Point from, Point to) { DrawTo(g, from.x, from.y, to.x, to.y, grey); };
    auto symbol = [&](const char* name, Point at) { AddSymbol(name, g, at.x, at.y, s); };

    // Core columns: the two GlcNAc, then the β-mannose.
    const std::int32_t c0 = Int32(x - 2.0 * s);
    const std::int32_t c1 = Int32(c0 - 2.0 * s);
    const std::int32_t c2 = Int32(c1 - 2.0 * s);
    const std::int32_t armX = Int32(c2 - 2.0 * s);
    const Point upperArm{armX, Int32(y - 2.0 * s)};
    const Point lowerArm{armX, Int32(y + 2.0 * s)};
    // Mannoses sit one pixel below the ends of the lines that lead to them.
    const Point upperArmMan{armX, Int32((y - 2.0 * s) + 1.0)};
    const Point lowerArmMan{armX, Int32((y + 2.0 * s) + 1.0)};

    line({layout.x, layout.y}, {c0, layout.y});

    if (GlyCode[1] == 1) {
        const Point fucose{c0, Int32(y - 2.0 * s)};
        line({c0, Int32(y - s / 2.0)}, fucose);
        symbol("Fuc", fucose);
    }

    line({Int32(c0 - s / 2.0), layout.y}, {Int32(c0 - 2.0 * s), layout.y});
    layout.cx = c1;
    line({Int32(c1 - s / 2.0), layout.y}, {Int32(c1 - 2.0 * s), layout.y});
    layout.cx = c2;

    line({c2, layout.y}, upperArm);
    line({c2, layout.y}, lowerArm);
    symbol("Man", upperArmMan);
    symbol("Man", lowerArmMan);

    if (GlyCode[2] == 1) {
        const Point bisect{Int32(c2 - 2.0 * s), layout.y};
        line({Int32(c2 - s / 2.0), layout.y}, bisect);
        symbol("GlcNAc", bisect);
    }

    if (mannoses <= 5) {
        const std::int32_t antennaX = Int32(c2 - 4.0 * s);
        for (std::int32_t position = 3; position <= 6; ++position) {
            const std::int32_t digit = GlyCode[static_cast<std::size_t>(position)];
            if (digit <= 0 || digit >= 7) {
                continue;
            }
            const bool partnered = PartnerDigit(position) > 0;
            const Point end{antennaX, AntennaRow(position, partnered, y, s)};
            line(position <= 4 ? upperArm : lowerArm, end);
            DrawBranch(g, end.x, end.y, s, grey, digit);
        }
    }

    if (mannoses >= 4) {
        const std::int32_t x4 = Int32(c2 - 4.0 * s);
        const std::int32_t x6 = Int32(c2 - 6.0 * s);
        // Rows of the extra mannoses: two beside the upper arm, one on the lower arm's row.
        const std::int32_t upperOuterRow = Int32((y - 2.0 * s) - s);
        const std::int32_t upperInnerRow = Int32((y - 2.0 * s) + s);
        const std::int32_t lowerRow = Int32((y + 1.0 * s) + s);

        line(upperArm, {x4, upperOuterRow});
        if (mannoses >= 5) {
            line(upperArm, {x4, upperInnerRow});
        }
        if (mannoses == 8 || mannoses == 9) {
            line({x4, upperOuterRow}, {x6, upperOuterRow});
        }
        if (mannoses > 5) {
            line({x4, upperInnerRow}, {x6, upperInnerRow});
        }
        if (mannoses > 6) {
            line({armX, lowerRow}, {x4, lowerRow});
        }
        if (mannoses == 9) {
            line({x4, lowerRow}, {x6, lowerRow});
        }

        const std::int32_t upperOuterManRow = Int32(((y - 2.0 * s) - s) + 1.0);
        const std::int32_t upperInnerManRow = Int32(((y - 2.0 * s) + s) + 1.0);
        const std::int32_t lowerManRow = Int32((y + 2.0 * s) + 1.0);

        symbol("Man", {x4, upperOuterManRow});
        if (mannoses >= 5) {
            symbol("Man", {x4, upperInnerManRow});
        }
        if (mannoses > 5) {
            symbol("Man", {x6, upperInnerManRow});
        }
        if (mannoses > 6) {
            symbol("Man", {x4, lowerManRow});
        }
        if (mannoses == 9) {
            symbol("Man", {x6, lowerManRow});
        }
        if (mannoses == 8 || mannoses == 9) {
            symbol("Man", {x6, upperOuterManRow});
        }
    }

    // The arm mannoses again, over the lines that start at them, then the core symbols.
    symbol("Man", upperArmMan);
    symbol("Man", lowerArmMan);
    layout.cx = Int32(x - 2.0 * s);
    layout.cy = layout.y;
    symbol("GlcNAc", {layout.cx, layout.y});
    layout.cx = c1;
    symbol("GlcNAc", {c1, layout.y});
    layout.cx = c2;
    symbol("Man", {c2, AddInt32(layout.y, 1)});
}

} // namespace Glycan
