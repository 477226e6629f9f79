#pragma once

#include "Color.h"
#include "Graphics.h"

#include <array>
#include <cstdint>
#include <string>

/// @brief The glycan drawing module: its run-long state and its drawing operations.
///
/// The state is plain module-level data shared by every drawing of the program; it is only
/// touched from the one GUI thread.
namespace Glycan {

inline constexpr std::int32_t SymbolSetCFG = 1;
inline constexpr std::int32_t SymbolSetUOXF = 2;
inline constexpr std::int32_t TextMode = 3;
inline constexpr std::int32_t SymbolSetCFGGreyscale = 4;

/// One digit of the current code per element; the grid writes elements 0 to 8.
extern std::array<std::int32_t, 10> GlyCode;
extern std::int32_t symbolSet;
extern double userMag;
extern double Pi;

/// @brief Gives the state its defaults, in the order GlyCode, userMag, symbolSet, Pi.
void InitializeState();

/// @brief Draws the symbol of residue @p name in the current symbol set, centred on (x, y).
void AddSymbol(const std::string& name, Graphics* g, std::int32_t x, std::int32_t y, double size);
/// @brief Draws one connecting line in colour @p c; nothing in text mode.
void DrawTo(Graphics* g, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
            Color c);

void DrawCircle(Graphics* g, std::int32_t x, std::int32_t y, double size, Color c);
void DrawSquare(Graphics* g, std::int32_t x, std::int32_t y, double size, Color c);
void DrawTriangle(Graphics* g, std::int32_t x, std::int32_t y, double size, double extra, Color c);
void DrawDiamond(Graphics* g, std::int32_t x, std::int32_t y, double size, Color c);
void DrawStar(Graphics* g, std::int32_t x, std::int32_t y, double size, double extra, Color c);
void DrawNarrowDiamond(Graphics* g, std::int32_t x, std::int32_t y, double size, Color c);

/// @brief Draws one antenna of type @p antennaType leftwards from its attachment point (x, y).
void DrawBranch(Graphics* g, std::int32_t x, std::int32_t y, double size, Color lineColor,
                std::int32_t antennaType);

/// @brief Draws the N-glycan whose digits stand in GlyCode, reducing end at (x, y).
///
/// Normalises GlyCode(3) and GlyCode(4) in place by the mannose count. In symbol mode it sets
/// userMag to @p scale; in text mode it writes linkage texts and leaves userMag alone.
void BuildStructure(Graphics* g, std::int32_t x, std::int32_t y, double scale);

} // namespace Glycan
