#include "Glycan.h"
#include "Int32.h"
#include "Int32Sum.h"

#include <array>
#include <string>
#include <vector>

namespace Glycan {

namespace {

/// Residues of antenna types 1 to 6, from the attachment point outwards.
const std::array<std::vector<std::string>, 6> antennaResidues{{
    {"GlcNAc"},
    {"GlcNAc", "Gal"},
    {"GlcNAc", "Gal", "NeuAc"},
    {"GlcNAc", "Gal", "GlcNAc"},
    {"GlcNAc", "Gal", "GlcNAc", "Gal"},
    {"GlcNAc", "Gal", "GlcNAc", "Gal", "NeuAc"},
}};

} // namespace

void DrawBranch(Graphics* g, std::int32_t x, std::int32_t y, double size, Color lineColor,
                std::int32_t antennaType)
{
    if (antennaType < 1 || antennaType > 6) {
        return;
    }
    const std::vector<std::string>& residues =
        antennaResidues[static_cast<std::size_t>(antennaType - 1)];

    // Residue i sits i bond steps (2 × size) left of the attachment point; the line runs
    // to the outermost one and lies under the symbols.
    const double lineUnits = 2.0 * static_cast<double>(residues.size() - 1);
    DrawTo(g, x, y, Int32(x - lineUnits * size), y, lineColor);

    for (std::size_t i = 0; i < residues.size(); ++i) {
        const std::string& name = residues[i];
        const std::int32_t cx = i == 0 ? x : Int32(x - (2.0 * static_cast<double>(i)) * size);
        // Gal sits one pixel below the line; NeuAc is drawn one unit smaller.
        const std::int32_t cy = name == "Gal" ? AddInt32(y, 1) : y;
        const double symbolSize = name == "NeuAc" ? size - 1.0 : size;
        AddSymbol(name, g, cx, cy, symbolSize);
    }
}

} // namespace Glycan
