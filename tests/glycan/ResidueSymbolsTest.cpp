#include "GlycanTestSupport.h"

using namespace Glycan;

namespace {

using Primitive = void (*)(Graphics*, std::int32_t, std::int32_t, double, Color);
void Triangle(Graphics* g, std::int32_t x, std::int32_t y, double s, Color c)
{
    DrawTriangle(g, x, y, s, 0.0, c);
}
void Star(Graphics* g, std::int32_t x, std::int32_t y, double s, Color c)
{
    DrawStar(g, x, y, s, 0.0, c);
}

struct SymbolRow {
    std::int32_t set;
    const char* residue;
    Primitive primitive;
    Color color;
};

// clang-format off
const SymbolRow symbolTable[] = {
    {1, "Man", DrawCircle, RGB(0, 255, 0)},       {1, "GlcNAc", DrawSquare, RGB(0, 0, 255)},
    {1, "Gal", DrawCircle, RGB(255, 255, 0)},     {1, "Fuc", Triangle, RGB(255, 0, 0)},
    {1, "NeuAc", DrawDiamond, RGB(255, 0, 255)},
    {2, "Man", DrawCircle, RGB(255, 255, 255)},   {2, "GlcNAc", DrawSquare, RGB(0, 0, 0)},
    {2, "Gal", DrawDiamond, RGB(255, 255, 255)},  {2, "NeuAc", Star, RGB(0, 0, 0)},
    {4, "Man", DrawCircle, RGB(128, 128, 128)},   {4, "GlcNAc", DrawSquare, RGB(64, 64, 64)},
    {4, "Gal", DrawCircle, RGB(192, 192, 192)},   {4, "Fuc", Triangle, RGB(128, 128, 128)},
    {4, "NeuAc", DrawDiamond, RGB(128, 128, 128)},
};
// clang-format on

} // namespace

TEST(ResidueSymbols, EachSetDrawsTheResidueWithItsPrimitiveAndColour)
{
    for (const SymbolRow& row : symbolTable) {
        Glycan::InitializeState();
        symbolSet = row.set;
        const Trace drawn = Record([&](Graphics* g) { AddSymbol(row.residue, g, 50, 60, 9.0); });
        EXPECT_EQ(drawn, Record([&](Graphics* g) { row.primitive(g, 50, 60, 9.0, row.color); }))
            << "set " << row.set << " " << row.residue;
    }
}

TEST(ResidueSymbols, UoxfFucoseIsANarrowDiamondWithABlackDot)
{
    Glycan::InitializeState();
    symbolSet = SymbolSetUOXF;
    const Trace calls = Record([](Graphics* g) { AddSymbol("Fuc", g, 50, 60, 9.0); });
    EXPECT_EQ(calls, (Trace{"ForeColor 255 255 255", "FillPolygon 50 54 54 60 50 66 46 60",
                            "ForeColor 0 0 0", "DrawPolygon 50 54 54 60 50 66 46 60",
                            "DrawObject Oval 51 61 5 5 0 0 0 0 0 0 0 1 0",
                            "DrawObject Oval 51 61 3 3 0 0 0 0 0 0 0 1 0"}));
}

TEST(ResidueSymbols, OnlyTheFiveNamesInTheThreeSymbolSetsDraw)
{
    Glycan::InitializeState();
    for (const std::int32_t set : {1, 2, 4}) {
        symbolSet = set;
        for (const char* name : {"", "man", "GlcNac", "Neu5Ac", "Man "}) {
            EXPECT_TRUE(Record([&](Graphics* g) { AddSymbol(name, g, 5, 5, 9.0); }).empty())
                << "set " << set << " name \"" << name << "\"";
        }
    }
    for (const std::int32_t set : {0, 3, 5, -1}) {
        symbolSet = set;
        EXPECT_TRUE(Record([](Graphics* g) { AddSymbol("Man", g, 5, 5, 9.0); }).empty()) << set;
    }
}

TEST(ResidueSymbols, DrawToDrawsInEverySetButTextMode)
{
    Glycan::InitializeState();
    for (const std::int32_t set : {0, 1, 2, 4, 5}) {
        symbolSet = set;
        EXPECT_EQ(Record([](Graphics* g) { DrawTo(g, 1, 2, 3, 4, RGB(100, 100, 100)); }),
                  (Trace{"ForeColor 100 100 100", "PenWidth 1", "DrawLine 1 2 3 4"}));
    }
    symbolSet = TextMode;
    EXPECT_TRUE(Record([](Graphics* g) { DrawTo(g, 1, 2, 3, 4, RGB(0, 0, 0)); }).empty());
    DrawTo(nullptr, 1, 2, 3, 4, RGB(0, 0, 0));
}

TEST(ResidueSymbols, DrawToPenWidthFollowsUserMagWithoutMinimum)
{
    Glycan::InitializeState();
    for (const auto& [mag, width] : {std::pair{4.0, 0}, {10.0, 1}, {18.0, 2}, {27.0, 3}}) {
        userMag = mag;
        const Trace calls = Record([](Graphics* g) { DrawTo(g, 0, 0, 1, 1, RGB(0, 0, 0)); });
        EXPECT_EQ(calls.at(1), "PenWidth " + std::to_string(width)) << "userMag " << mag;
    }
}
