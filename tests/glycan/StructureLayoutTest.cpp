#include "CodeDigits.h"
#include "GlycanTestSupport.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <string_view>
#include <utility>

using namespace Glycan;

namespace {

/// Draws @p code in @p set with the anchor (200, 100) and scale 10, unless told otherwise.
Trace Draw(const std::string& code, std::int32_t set = SymbolSetCFG, double scale = 10.0)
{
    SetCodeDigits(code);
    symbolSet = set;
    return Record([&](Graphics* g) { BuildStructure(g, 200, 100, scale); });
}

/// The calls that start with one of @p prefixes, in order.
Trace Matching(const Trace& calls, std::initializer_list<std::string_view> prefixes)
{
    Trace kept;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(kept), [&](const std::string& c) {
        return std::any_of(prefixes.begin(), prefixes.end(),
                           [&](std::string_view p) { return c.starts_with(p); });
    });
    return kept;
}

Trace LinesOf(const Trace& calls) { return Matching(calls, {"DrawLine "}); }

Trace ReadTrace(const std::string& code)
{
    std::ifstream file(std::string(GLYCAN_TRACE_DIR) + "/" + code + ".trace");
    Trace lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

using StructureLayout = GlycanStateTest;

TEST_F(StructureLayout, WorkedExamplesMatchTheirWholeCallSequences)
{
    for (const char* code : {"3100202", "9000000", "4000200"}) {
        const Trace expected = ReadTrace(code);
        ASSERT_FALSE(expected.empty()) << "missing trace for " << code;
        EXPECT_EQ(Draw(code), expected) << code;
    }
}

TEST_F(StructureLayout, NormalisationClearsUpperArmDigitsByMannoseCount)
{
    const std::vector<std::pair<std::string, std::pair<int, int>>> cases{
        {"0003456", {3, 4}}, {"2003456", {3, 4}}, {"3003456", {3, 4}}, {"4003456", {0, 4}},
        {"5003456", {0, 0}}, {"6003456", {0, 0}}, {"9003456", {0, 0}}};
    for (const auto& [code, upper] : cases) {
        for (const std::int32_t set : {SymbolSetCFG, SymbolSetUOXF, TextMode}) {
            Draw(code, set);
            EXPECT_EQ(GlyCode[3], upper.first) << code << " set " << set;
            EXPECT_EQ(GlyCode[4], upper.second) << code << " set " << set;
            EXPECT_EQ(GlyCode[5], 5);
            EXPECT_EQ(GlyCode[6], 6);
        }
    }
}

TEST_F(StructureLayout, AntennaEndPointsFollowThePartnerRules)
{
    const std::vector<std::pair<std::string, Trace>> cases{
        {"3001000", {"DrawLine 120 80 100 70"}}, // lone position 3 keeps the upper place
        {"3000100", {"DrawLine 120 80 100 80"}}, // lone position 4 runs straight
        {"3001100", {"DrawLine 120 80 100 70", "DrawLine 120 80 100 90"}},
        {"3000010", {"DrawLine 120 120 100 120"}},
        {"3000001", {"DrawLine 120 120 100 120"}},
        {"3000011", {"DrawLine 120 120 100 110", "DrawLine 120 120 100 130"}},
        // Four mannoses: position 4 alone ends one unit below the arm, under the extra mannose.
        {"4000100", {"DrawLine 120 80 100 90", "DrawLine 120 80 100 70"}},
        // Digits 7 to 9 draw nothing themselves but still partner the other position.
        {"3007100", {"DrawLine 120 80 100 90"}},
        {"3000081", {"DrawLine 120 120 100 130"}},
        {"3000090", {}},
        {"3009999", {}},
        // Five mannoses: the lower arm's antennae beside the two upper extra mannoses.
        {"5001111",
         {"DrawLine 120 120 100 110", "DrawLine 120 120 100 130", "DrawLine 120 80 100 70",
          "DrawLine 120 80 100 90"}},
        // Six and more: no antenna at all.
        {"6001111", {"DrawLine 120 80 100 70", "DrawLine 120 80 100 90"}},
    };
    for (const auto& [code, armLines] : cases) {
        // Antennae and extra mannoses leave the arm points (120, 80) and (120, 120).
        EXPECT_EQ(Matching(Draw(code), {"DrawLine 120 80 ", "DrawLine 120 120 "}), armLines)
            << code;
    }
}

TEST_F(StructureLayout, MannoseDigitGivesThatManyMannoses)
{
    for (std::int32_t count = 3; count <= 9; ++count) {
        std::set<std::string> mannoses; // distinct centres of green discs
        for (const std::string& call : Draw(std::to_string(count) + "000000")) {
            if (call.starts_with("DrawObject Oval") &&
                call.find(" 10 10 0 255 0 ") != std::string::npos) {
                mannoses.insert(call.substr(0, call.find(" 10 10 ")));
            }
        }
        EXPECT_EQ(mannoses.size(), static_cast<std::size_t>(count)) << "mannose digit " << count;
    }
}

TEST_F(StructureLayout, FucoseAndBisectOnlyForDigitOne)
{
    const Trace plain = Draw("3000000");
    for (const char* code : {"3200000", "3900000", "3020000", "3090000"}) {
        EXPECT_EQ(Draw(code), plain) << code;
    }
    const Trace bisected = LinesOf(Draw("3010000"));
    EXPECT_NE(std::find(bisected.begin(), bisected.end(), "DrawLine 135 100 120 100"),
              bisected.end());
}

TEST_F(StructureLayout, ConversionsFallWhereTheFormulasPutThem)
{
    // Scale 7.3: 2s = 14.6 and s/2 = 3.65, so every point is a truncated Double.
    const Trace calls = Draw("3100000", SymbolSetCFG, 7.3);
    EXPECT_EQ(LinesOf(calls), (Trace{"DrawLine 200 100 185 100", "DrawLine 185 96 185 85",
                                     "DrawLine 181 100 170 100", "DrawLine 166 100 155 100",
                                     "DrawLine 155 100 140 85", "DrawLine 155 100 140 114"}));
    // Arm mannoses one pixel below the rows 85.4 and 114.6 before conversion.
    EXPECT_EQ(calls.at(22), "DrawObject Oval 140 86 9.3 9.3 0 0 0 0 0 0 0 1 0");
    EXPECT_EQ(calls.at(24), "DrawObject Oval 140 115 9.3 9.3 0 0 0 0 0 0 0 1 0");
    // The β-mannose closes the drawing, one pixel below the core row.
    EXPECT_EQ(calls.back(), "DrawObject Oval 155 101 7.3 7.3 0 255 0 0 0 0 0 1 0");
}

TEST_F(StructureLayout, UnknownSymbolSetDrawsLinesOnly)
{
    const Trace lines = LinesOf(Draw("9101234"));
    for (const std::int32_t set : {0, 5}) {
        const Trace calls = Draw("9101234", set);
        EXPECT_EQ(LinesOf(calls), lines);
        EXPECT_EQ(Matching(calls, {"DrawLine ", "ForeColor 100 100 100", "PenWidth "}), calls);
    }
}

TEST_F(StructureLayout, SymbolModeStoresItsScaleTextModeKeepsIt)
{
    // Before any symbol drawing, text mode draws with the initial 10.0.
    EXPECT_EQ(Draw("3000000", TextMode, 30.0).at(0), "PenWidth 1");
    EXPECT_EQ(userMag, 10.0);
    EXPECT_EQ(Draw("3000000", SymbolSetUOXF, 27.0).at(1), "PenWidth 3");
    EXPECT_EQ(userMag, 27.0);
    EXPECT_EQ(Draw("3000000", TextMode, 5.0).at(0), "PenWidth 3");
    EXPECT_EQ(userMag, 27.0);
}

TEST_F(StructureLayout, NilSurfaceStillNormalisesAndDrawsNothing)
{
    for (const std::int32_t set : {SymbolSetCFG, TextMode}) {
        SetCodeDigits("5001111");
        symbolSet = set;
        BuildStructure(nullptr, 200, 100, 12.0);
        EXPECT_EQ(GlyCode[3], 0);
        EXPECT_EQ(GlyCode[4], 0);
    }
    EXPECT_EQ(userMag, 12.0);
}
