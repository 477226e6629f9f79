#pragma once

#include <cstdint>
#include <optional>

/// @brief The code grid's layout for one drawing or one click; nothing of it is stored.
///
/// The cell in row i and column j has its left edge at j·cellW and its top at i·cellH and
/// shows code gridRows·j + i, so the codes fill the first column top to bottom, then the
/// next.
struct CodeGridLayout {
    std::int32_t gridRows = 0;
    std::int32_t gridCols = 0;
    /// Cell size in pixels; 0 while no code is loaded.
    std::int32_t cellW = 0;
    std::int32_t cellH = 0;
    /// The size unit of the cartoons.
    double scale = 0.0;
};

/// @brief The grid once the system has asked the program to open a document.
inline constexpr std::int32_t FixedGridRows = 22;
inline constexpr std::int32_t FixedGridCols = 13;
/// @brief The last index of the code list.
inline constexpr std::int32_t LastCodeIndex = 10000;

/// @brief Lays out @p codeCount codes on a content area of @p width × @p height pixels:
/// the fixed 22 × 13 grid when @p fixedGrid is set, else about twice as many rows as
/// columns.
CodeGridLayout LayOutCodeGrid(std::int32_t codeCount, std::int32_t width, std::int32_t height,
                              bool fixedGrid);

/// @brief The code-list index shown in row @p row, column @p column.
std::int32_t CellCodeIndex(const CodeGridLayout& layout, std::int32_t row, std::int32_t column);

struct GridPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

/// @brief Where a cell's cartoon has its reducing end: 7.5 size units left of the cell's
/// right edge, one size unit above its middle.
GridPoint StructureAnchor(const CodeGridLayout& layout, std::int32_t row, std::int32_t column);
/// @brief Where a cell's code text starts: a third of the way across, 95 % of the way down.
GridPoint TextOrigin(const CodeGridLayout& layout, std::int32_t row, std::int32_t column);

/// @brief The code-list index under the point (@p x, @p y); none while the cells have no
/// size or when the index lies outside the code list.
///
/// A point in the strip below the last row or right of the last column still maps to an
/// index, as the hit test does not compare with the grid's size.
std::optional<std::int32_t> HitCodeIndex(const CodeGridLayout& layout, std::int32_t x,
                                         std::int32_t y);
