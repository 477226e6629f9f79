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

#include <optional>
#include <string>

namespace {

constexpr Color black = RGB(0, 0, 0);
constexpr Color white = RGB(255, 255, 255);
constexpr Color red = RGB(255, 0, 0);

const QString noCode;

/// Puts @p text into @p utf8 as UTF-8, reusing its storage: codes are ASCII digits.
void AssignUtf8(std::string& utf8, const QString& text)
{
    const qsizetype size = text.size();
    utf8.resize(static_cast<std::size_t>(size));
    const QChar* chars = text.constData();
    for (qsizetype k = 0; k < size; ++k) {
        const char16_t c = chars[k].unicode();
        if (c >= 0x80) {
            utf8 = text.toStdString();
            return;
        }
        utf8[static_cast<std::size_t>(k)] = static_cast<char>(c);
    }
}

} // namespace

void Window1::drawGraph(Graphics& g)
{
    Glycan::symbolSet = symbolSet;
    const CodeGridLayout layout =
        LayOutCodeGrid(T, Width(), Height(), App().droppedFile != nullptr);
    g.TextSize(static_cast<float>(2.0 * layout.scale));

    std::string code;
    // The code window's selection, and the window itself, change only when events run: read
    // them through the accessor at the first code and again after any yield that ran events.
    QString selected;
    std::optional<unsigned long long> selectedAtTurn;
    for (std::int32_t i = 0; i < layout.gridRows; ++i) {
        for (std::int32_t j = 0; j < layout.gridCols; ++j) {
            const std::int32_t index = CellCodeIndex(layout, i, j);
            // A cell past the end of the code list is empty, like every entry from T on.
            const bool inList = index >= 0 && index <= LastCodeIndex;
            const QString& entry = inList ? G[static_cast<std::size_t>(index)] : noCode;
            AssignUtf8(code, entry);
            Glycan::SetCodeDigits(code, fw::YieldToFramework);
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
                if (selectedAtTurn != fw::YieldedTurns()) {
                    selectedAtTurn = fw::YieldedTurns();
                    selected = Window2().ListBox1().Text();
                }
                if (selected == entry) {
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
