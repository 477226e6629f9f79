#include "Window1.h"

#include "App.h"
#include "CodeGrid.h"
#include "Window2.h"

#include "CodeDigits.h"
#include "Glycan.h"
#include "Graphics.h"

#include "Clipboard.h"
#include "Listbox.h"
#include "Yield.h"

#include <string>

namespace {

constexpr Color black = RGB(0, 0, 0);
constexpr Color white = RGB(255, 255, 255);
constexpr Color red = RGB(255, 0, 0);

const QString noCode;

} // namespace

void Window1::drawGraph(Graphics& g)
{
    Glycan::symbolSet = symbolSet;
    const CodeGridLayout layout =
        LayOutCodeGrid(T, Width(), Height(), App().droppedFile != nullptr);
    g.TextSize(static_cast<float>(2.0 * layout.scale));

    std::string code;
    for (std::int32_t i = 0; i < layout.gridRows; ++i) {
        for (std::int32_t j = 0; j < layout.gridCols; ++j) {
            const std::int32_t index = CellCodeIndex(layout, i, j);
            // A cell past the end of the code list is empty, like every entry from T on.
            const bool inList = index >= 0 && index <= LastCodeIndex;
            const QString& entry = inList ? G[static_cast<std::size_t>(index)] : noCode;
            code = entry.toStdString();
            Glycan::SetCodeDigits(code);
            if (!code.empty()) {
                const GridPoint anchor = StructureAnchor(layout, i, j);
                Glycan::BuildStructure(&g, anchor.x, anchor.y, layout.scale);
                g.ForeColor(black);
                if (showIDs) {
                    const GridPoint text = TextOrigin(layout, i, j);
                    const bool onBlack = BackColor() == black;
                    if (onBlack) {
                        g.ForeColor(white);
                    }
                    g.DrawString(code, text.x, text.y, 0, false);
                    if (onBlack) {
                        g.ForeColor(black);
                    }
                }
                // Read through the accessor, so a closed code window comes back.
                if (Window2().ListBox1().Text() == entry) {
                    g.ForeColor(red);
                    g.PenWidth(2);
                    g.DrawRect(j * layout.cellW, i * layout.cellH, layout.cellW, layout.cellH);
                    g.ForeColor(black);
                    g.PenWidth(1);
                }
            }
            fw::YieldToFramework();
        }
        fw::YieldToFramework();
    }
}

void Window1::Paint(Graphics& g) { drawGraph(g); }

bool Window1::MouseDown(int x, int y)
{
    fw::Clipboard clipboard;
    const CodeGridLayout layout =
        LayOutCodeGrid(T, Width(), Height(), App().droppedFile != nullptr);
    // No cell there (nothing loaded, or outside the code list): the clipboard stays as it is.
    if (const auto index = HitCodeIndex(layout, x, y)) {
        clipboard.SetText(G[static_cast<std::size_t>(*index)]);
    }
    return false;
}
