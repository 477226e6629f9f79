#include "Glycan.h"
#include "Int32.h"
#include "StructureLayout.h"

namespace Glycan {

void BuildStructure(Graphics* g, std::int32_t x, std::int32_t y, double scale)
{
    // Antennae on the upper arm give way to the extra mannoses of the hybrid and
    // high-mannose families.
    if (GlyCode[0] == 4) {
        GlyCode[3] = 0;
    }
    if (GlyCode[0] > 4) {
        GlyCode[3] = 0;
        GlyCode[4] = 0;
    }

    StructureLayout layout{
        g,
        x,
        y,
        0.0,
        0,
        0,
        {"", "GlcNAcβ1", "Galβ1-4GlcNAcβ1", "NeuAcα2-3Galβ1-4GlcNAcβ1", "GlcNAcβ1-3Galβ1-4GlcNAcβ1",
         "Galβ1-4GlcNAcβ1-3Galβ1-4GlcNAcβ1", "NeuAcα2-3Galβ1-4GlcNAcβ1-3Galβ1-4GlcNAcβ1", ""},
        RGB(100, 100, 100),
        RGB(0, 0, 0),
    };

    if (symbolSet == TextMode) {
        layout.s = (2.0 * scale) / 3.0;
    } else {
        layout.s = scale;
        userMag = scale;
    }
    // Without a surface there is nothing to draw; the state changes above still hold.
    if (g == nullptr) {
        return;
    }
    if (symbolSet == TextMode) {
        // Text mode draws with the pen width of the last symbol-mode drawing.
        g->PenWidth(Int32(userMag / 9.0));
    }
    layout.cx = Int32(x - 2.0 * layout.s);
    layout.cy = y;

    if (symbolSet == TextMode) {
        DrawLinkageTexts(layout);
    } else {
        DrawSymbolLayout(layout);
    }
}

} // namespace Glycan
