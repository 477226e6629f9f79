#pragma once

#include "Color.h"
#include "Graphics.h"

#include <array>
#include <cstdint>
#include <string>

namespace Glycan {

/// @brief What BuildStructure's common entry hands to the drawing of one mode.
struct StructureLayout {
    Graphics* g;
    std::int32_t x;
    std::int32_t y;
    /// The working size unit: scale in symbol mode, 2 × scale / 3 in text mode.
    double s;
    /// The current point.
    std::int32_t cx;
    std::int32_t cy;
    /// Texts of antenna types 1 to 6; entries 0 and 7 are empty.
    std::array<std::string, 8> antennaText;
    Color grey;
    Color black;
};

/// @brief Draws the structure as residue symbols and connecting lines.
void DrawSymbolLayout(StructureLayout& layout);
/// @brief Writes the structure as linkage texts with position labels and short lines.
void DrawLinkageTexts(StructureLayout& layout);

} // namespace Glycan
