#include "CodeGrid.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct LayoutRow {
    const char* name;
    int codes, width, height;
    bool fixedGrid;
    int rows, cols, cellW, cellH;
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
    ::testing::Values(LayoutRow{"EightCodes", 8, 300, 300, false, 4, 3, 100, 75},
                      LayoutRow{"NoCodes", 0, 300, 300, false, 0, 1, 0, 0},
                      LayoutRow{"OneCode", 1, 300, 300, false, 1, 1, 300, 300},
                      // Int32(Sqrt(14)) truncates to 3 rows: the seventh code has no cell.
                      LayoutRow{"SevenCodes", 7, 300, 300, false, 3, 2, 150, 100},
                      LayoutRow{"FixedGrid", 8, 300, 300, true, 22, 13, 23, 13},
                      LayoutRow{"FixedGridNoCodes", 0, 300, 300, true, 22, 13, 0, 0},
                      LayoutRow{"FullList", 10001, 1920, 1080, false, 141, 71, 27, 7}),
    [](const ::testing::TestParamInfo<LayoutRow>& row) { return std::string(row.param.name); });

TEST(CodeGrid, CellPositionsForEightCodesIn300By300)
{
    const CodeGridLayout layout = LayOutCodeGrid(8, 300, 300, false);
    EXPECT_EQ(CellCodeIndex(layout, 1, 1), 5);
    const GridPoint anchor = StructureAnchor(layout, 1, 1); // Int32(177.5), Int32(109.5)
    EXPECT_EQ(anchor.x, 177);
    EXPECT_EQ(anchor.y, 109);
    const GridPoint text = TextOrigin(layout, 1, 1);
    EXPECT_EQ(text.x, 133);
    EXPECT_EQ(text.y, 146);
}

TEST(CodeGrid, HitTest)
{
    const CodeGridLayout eight = LayOutCodeGrid(8, 300, 300, false);
    EXPECT_EQ(HitCodeIndex(eight, 150, 100), 5);
    EXPECT_EQ(HitCodeIndex(eight, 199, 149), 5); // a cell's last pixel, not its neighbour
    EXPECT_EQ(HitCodeIndex(eight, 200, 150), 10);

    // 3 rows of 100 and 2 columns of 150 leave a one-pixel strip below and right.
    const CodeGridLayout seven = LayOutCodeGrid(7, 301, 301, false);
    EXPECT_EQ(HitCodeIndex(seven, 10, 300), 3);  // the top of the next column
    EXPECT_EQ(HitCodeIndex(seven, 300, 50), 6);  // a column that is not drawn
    EXPECT_EQ(HitCodeIndex(seven, 300, 300), 9); // past the loaded codes

    // No cell without codes, nor past the end of the list.
    EXPECT_EQ(HitCodeIndex(LayOutCodeGrid(0, 300, 300, false), 10, 10), std::nullopt);
    EXPECT_EQ(HitCodeIndex(LayOutCodeGrid(0, 300, 300, true), 10, 10), std::nullopt);
    const CodeGridLayout full = LayOutCodeGrid(10001, 1920, 1080, false);
    EXPECT_EQ(HitCodeIndex(full, 1890, 910), 10000);
    EXPECT_EQ(HitCodeIndex(full, 1890, 917), std::nullopt);
}

} // namespace
