#include "GlycanTestSupport.h"

#include <limits>

using namespace Glycan;

namespace {

const Color grey = RGB(100, 100, 100);

struct Residue {
    const char* name;
    std::int32_t x;
    std::int32_t y;
    double size;
};

struct BranchRow {
    std::int32_t type;
    std::int32_t lineEndX;
    std::vector<Residue> residues;
};

} // namespace

TEST(Branch, LineFirstThenResiduesOutwards)
{
    // Attachment (100, 80), size 7.3: the columns 85.4, 70.8, 56.2 and 41.6 truncate; Gal one
    // pixel below the line, NeuAc one unit smaller.
    const std::vector<Residue> inner{{"GlcNAc", 100, 80, 7.3}, {"Gal", 85, 81, 7.3}};
    const std::vector<Residue> outer{{"GlcNAc", 70, 80, 7.3}, {"Gal", 56, 81, 7.3}};
    const auto join = [](std::vector<Residue> a, const std::vector<Residue>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const BranchRow rows[] = {
        {1, 100, {inner[0]}},
        {2, 85, inner},
        {3, 70, join(inner, {{"NeuAc", 70, 80, 6.3}})},
        {4, 70, join(inner, {outer[0]})},
        {5, 56, join(inner, outer)},
        {6, 41, join(join(inner, outer), {{"NeuAc", 41, 80, 6.3}})},
    };
    for (const BranchRow& row : rows) {
        Glycan::InitializeState();
        const Trace expected = Record([&](Graphics* g) {
            DrawTo(g, 100, 80, row.lineEndX, 80, grey);
            for (const Residue& r : row.residues) {
                AddSymbol(r.name, g, r.x, r.y, r.size);
            }
        });
        EXPECT_EQ(Record([&](Graphics* g) { DrawBranch(g, 100, 80, 7.3, grey, row.type); }),
                  expected)
            << "type " << row.type;
    }
}

TEST(Branch, OtherTypesAndTextModeDrawNothing)
{
    Glycan::InitializeState();
    for (const std::int32_t type : {0, 7, 8, 9, -1, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_TRUE(Record([&](Graphics* g) { DrawBranch(g, 100, 80, 10.0, grey, type); }).empty())
            << "type " << type;
    }
    symbolSet = TextMode;
    EXPECT_TRUE(Record([](Graphics* g) { DrawBranch(g, 100, 80, 10.0, grey, 6); }).empty());
}
