#include "Glycan.h"
#include "Int32.h"
#include "Int32Sum.h"

#include <array>
#include <optional>
#include <string_view>

namespace Glycan {

namespace {

enum class Primitive { Circle, Square, Triangle, Diamond, Star, NarrowDiamond };

struct Symbol {
    Primitive primitive;
    Color color;
};

/// One residue's symbol in each symbol set, in the order CFG, UOXF, CFG greyscale.
struct ResidueRow {
    std::string_view name;
    std::array<Symbol, 3> symbols;
};

const std::array<ResidueRow, 5> residueRows{{
    {"Man",
     {{{Primitive::Circle, RGB(0, 255, 0)},
       {Primitive::Circle, RGB(255, 255, 255)},
       {Primitive::Circle, RGB(128, 128, 128)}}}},
    {"GlcNAc",
     {{{Primitive::Square, RGB(0, 0, 255)},
       {Primitive::Square, RGB(0, 0, 0)},
       {Primitive::Square, RGB(64, 64, 64)}}}},
    {"Gal",
     {{{Primitive::Circle, RGB(255, 255, 0)},
       {Primitive::Diamond, RGB(255, 255, 255)},
       {Primitive::Circle, RGB(192, 192, 192)}}}},
    {"Fuc",
     {{{Primitive::Triangle, RGB(255, 0, 0)},
       {Primitive::NarrowDiamond, RGB(255, 255, 255)},
       {Primitive::Triangle, RGB(128, 128, 128)}}}},
    {"NeuAc",
     {{{Primitive::Diamond, RGB(255, 0, 255)},
       {Primitive::Star, RGB(0, 0, 0)},
       {Primitive::Diamond, RGB(128, 128, 128)}}}},
}};

/// Column of the residue table for a symbol set; none for text mode and unknown sets.
std::optional<std::size_t> SymbolColumn(std::int32_t set)
{
    switch (set) {
    case SymbolSetCFG:
        return 0;
    case SymbolSetUOXF:
        return 1;
    case SymbolSetCFGGreyscale:
        return 2;
    default:
        return std::nullopt;
    }
}

void DrawPrimitive(Primitive primitive, Graphics* g, std::int32_t x, std::int32_t y, double size,
                   Color c)
{
    switch (primitive) {
    case Primitive::Circle:
        DrawCircle(g, x, y, size, c);
        break;
    case Primitive::Square:
        DrawSquare(g, x, y, size, c);
        break;
    case Primitive::Triangle:
        DrawTriangle(g, x, y, size, 0.0, c);
        break;
    case Primitive::Diamond:
        DrawDiamond(g, x, y, size, c);
        break;
    case Primitive::Star:
        DrawStar(g, x, y, size, 0.0, c);
        break;
    case Primitive::NarrowDiamond:
        DrawNarrowDiamond(g, x, y, size, c);
        break;
    }
}

} // namespace

void AddSymbol(const std::string& name, Graphics* g, std::int32_t x, std::int32_t y, double size)
{
    const std::optional<std::size_t> column = SymbolColumn(symbolSet);
    if (!column) {
        return;
    }
    for (const ResidueRow& row : residueRows) {
        if (row.name != name) {
            continue;
        }
        const Symbol& symbol = row.symbols[*column];
        DrawPrimitive(symbol.primitive, g, x, y, size, symbol.color);
        // The UOXF fucose carries a small black dot just right of and below its centre.
        if (symbolSet == SymbolSetUOXF && row.name == "Fuc") {
            DrawCircle(g, AddInt32(x, 1), AddInt32(y, 1), size / 3.0, RGB(0, 0, 0));
        }
        return;
    }
}

void DrawTo(Graphics* g, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
            Color c)
{
    if (g == nullptr || symbolSet == TextMode) {
        return;
    }
    g->ForeColor(c);
    // No minimum: a size unit below 9 draws with pen width 0.
    g->PenWidth(Int32(userMag / 9.0));
    g->DrawLine(x1, y1, x2, y2);
}

} // namespace Glycan
