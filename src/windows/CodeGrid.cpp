#include "CodeGrid.h"

#include "Int32.h"

#include <cmath>

CodeGridLayout LayOutCodeGrid(std::int32_t codeCount, std::int32_t width, std::int32_t height,
                              bool fixedGrid)
{
    CodeGridLayout layout;
    if (fixedGrid) {
        layout.gridCols = FixedGridCols;
        layout.gridRows = FixedGridRows;
    } else {
        layout.gridRows = Int32(std::sqrt(double(2 * codeCount)));
        layout.gridCols = Int32(double(layout.gridRows) / 2.0 + 1.0);
    }
    if (codeCount > 0) {
        layout.cellW = Int32(double(width) / double(layout.gridCols));
        layout.cellH = Int32(double(height) / double(layout.gridRows));
    }
    layout.scale = double(layout.cellW * 15) / 500.0;
    return layout;
}

std::int32_t CellCodeIndex(const CodeGridLayout& layout, std::int32_t row, std::int32_t column)
{
    return layout.gridRows * column + row;
}

GridPoint StructureAnchor(const CodeGridLayout& layout, std::int32_t row, std::int32_t column)
{
    return {Int32(double((column + 1) * layout.cellW) - 7.5 * layout.scale),
            Int32((double(row) + 0.5) * double(layout.cellH) - layout.scale)};
}

GridPoint TextOrigin(const CodeGridLayout& layout, std::int32_t row, std::int32_t column)
{
    return {Int32(double((column + 1) * layout.cellW) - double(layout.cellW) / 1.5),
            Int32((double(row) + 0.95) * double(layout.cellH))};
}

std::optional<std::int32_t> HitCodeIndex(const CodeGridLayout& layout, std::int32_t x,
                                         std::int32_t y)
{
    // Without cells (no code loaded) the divisions below would name no cell.
    if (layout.cellW == 0 || layout.cellH == 0) {
        return std::nullopt;
    }
    const std::int32_t column = Int32(double(x) / double(layout.cellW));
    const std::int32_t row = Int32(double(y) / double(layout.cellH));
    const std::int64_t index = std::int64_t{layout.gridRows} * column + row;
    if (index < 0 || index > LastCodeIndex) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(index);
}
