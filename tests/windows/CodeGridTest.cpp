#include "CodeGrid.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

TEST(CodeGridLayout, EightCodesIn300By300)
{
    const CodeGridLayout layout = LayOutCodeGrid(8, 300, 300, false);
    EXPECT_EQ(layout.gridRows, 4);
    EXPECT_EQ(layout.gridCols, 3);
    EXPECT_EQ(layout.cellW, 100);
    EXPECT_EQ(layout.cellH, 75);
    EXPECT_DOUBLE_EQ(layout.scale, 3.0);

    // Row 1, column 1 shows entry 5; the anchor is (Int32(177.5), Int32(109.5)).
    EXPECT_EQ(CellCodeIndex(layout, 1, 1), 5);
    const GridPoint anchor = StructureAnchor(layout, 1, 1);
    EXPECT_EQ(anchor.x, 177);
    EXPECT_EQ(anchor.y, 109);
    const GridPoint text = TextOrigin(layout, 1, 1);
    EXPECT_EQ(text.x, 133);
    EXPECT_EQ(text.y, 146);
}

struct LayoutRow {
    const char* name;
    int codes;
    int width;
    int height;
    bool fixedGrid;
    int rows;
    int cols;
    int cellW;
    int cellH;
};

void PrintTo(const LayoutRow& row, std::ostream* out) { *out << row.name; }

class CodeGridLayoutRows : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(CodeGridLayoutRows, Figures)
{
    const LayoutRow& row = GetParam();
    const CodeGridLayout layout = LayOutCodeGrid(row.codes, row.width, row.height, row.fixedGrid);
    EXPECT_EQ(layout.gridRows, row.rows);
    EXPECT_EQ(layout.gridCols, row.cols);
    EXPECT_EQ(layout.cellW, row.cellW);
    EXPECT_EQ(layout.cellH, row.cellH);
    EXPECT_DOUBLE_EQ(layout.scale, row.cellW * 15 / 500.0);
}

INSTANTIATE_TEST_SUITE_P(
    , CodeGridLayoutRows,
    ::testing::Values(
        // No codes: no rows, one column, cells without size.
        LayoutRow{"NoCodes", 0, 300, 300, false, 0, 1, 0, 0},
        // One code: Int32(Sqrt(2)) rows and Int32(1.5) columns.
        LayoutRow{"OneCode", 1, 300, 300, false, 1, 1, 300, 300},
        // Int32(Sqrt(14)) truncates to 3 rows, so the seventh code has no cell.
        LayoutRow{"SevenCodes", 7, 300, 300, false, 3, 2, 150, 100},
        LayoutRow{"FixedGrid", 8, 300, 300, true, 22, 13, 23, 13},
        LayoutRow{"FixedGridNoCodes", 0, 300, 300, true, 22, 13, 0, 0},
        LayoutRow{"FullListOnScreen", 10001, 1920, 1080, false, 141, 71, 27, 7}),
    [](const ::testing::TestParamInfo<LayoutRow>& row) { return std::string(row.param.name); });

TEST(CodeGridHit, MapsPointsToTheCellsThatHoldThem)
{
    const CodeGridLayout layout = LayOutCodeGrid(8, 300, 300, false);
    EXPECT_EQ(HitCodeIndex(layout, 0, 0), 0);
    EXPECT_EQ(HitCodeIndex(layout, 150, 100), 5);
    EXPECT_EQ(HitCodeIndex(layout, 199, 149), 5); // the cell's last pixel, not its neighbour
    EXPECT_EQ(HitCodeIndex(layout, 200, 150), 10);
}

TEST(CodeGridHit, StripsBelowAndRightOfTheCells)
{
    // 3 rows of 100 pixels leave one pixel row; 2 columns of 150 leave one pixel column.
    const CodeGridLayout layout = LayOutCodeGrid(7, 301, 301, false);
    ASSERT_EQ(layout.cellH, 100);
    ASSERT_EQ(layout.cellW, 150);
    EXPECT_EQ(HitCodeIndex(layout, 10, 300), 3);  // the top of column 1
    EXPECT_EQ(HitCodeIndex(layout, 300, 50), 6);  // column 2 is not drawn
    EXPECT_EQ(HitCodeIndex(layout, 300, 300), 9); // past the loaded codes
}

TEST(CodeGridHit, NoCellWithoutCodesOrOutsideTheList)
{
    EXPECT_EQ(HitCodeIndex(LayOutCodeGrid(0, 300, 300, false), 10, 10), std::nullopt);
    EXPECT_EQ(HitCodeIndex(LayOutCodeGrid(0, 300, 300, true), 10, 10), std::nullopt);

    // 141 rows × 71 columns: the last column runs past index 10000 at row 131.
    const CodeGridLayout full = LayOutCodeGrid(10001, 1920, 1080, false);
    EXPECT_EQ(HitCodeIndex(full, 1890, 910), 10000);
    EXPECT_EQ(HitCodeIndex(full, 1890, 917), std::nullopt);
    EXPECT_EQ(HitCodeIndex(full, 1919, 1079), std::nullopt);
}

} // namespace
