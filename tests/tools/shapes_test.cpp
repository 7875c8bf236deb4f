// The shape file, read by the game into its table, and the pieces it makes.
#include <algorithm>

#include "game/board.h"
#include "generated_data.h"

namespace {

using Cells = std::vector<std::pair<int, int>>;  // (row, column) in the 4x4 block

Cells CellsOf(int type, int rotation) {
    Cells cells;
    for (int i = 0; i < 16; ++i)
        if (ShapeCellFilled(type, rotation, i / 4, i % 4)) cells.push_back({i / 4, i % 4});
    return cells;
}

// Cells turned a quarter clockwise on screen about a point given in half cells, so that a
// centre between cells can be named: (r, c) relative to the centre becomes (c, -r).
Cells TurnedAbout(const Cells& cells, int twiceCentreRow, int twiceCentreColumn) {
    Cells out;
    for (auto [r, c] : cells) {
        const int dr = 2 * r - twiceCentreRow, dc = 2 * c - twiceCentreColumn;
        out.push_back({(twiceCentreRow + dc) / 2, (twiceCentreColumn - dr) / 2});
    }
    std::sort(out.begin(), out.end());
    return out;
}

class Shapes : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(LoadPieceShapes(), 1); }
};

// Every rotation has four joined cells and fits where a new piece appears, or the game
// would end at once. A grid has no three cells touching each other in a ring, so four cells
// with three touching pairs are joined.
TEST_F(Shapes, EveryRotationHasFourJoinedCellsAndFitsWhereItSpawns) {
    InitBoard();
    for (int t = 0; t < kPieceTypes; ++t) {
        for (int q = 0; q < kRotations; ++q) {
            SCOPED_TRACE(::testing::Message() << "type " << t << " rotation " << q);
            const Cells cells = CellsOf(t, q);
            EXPECT_EQ(cells.size(), 4u);
            long touchingPairs = 0;  // each pair counted from its upper or left cell
            for (const auto& [r, c] : cells)
                touchingPairs += std::count(cells.begin(), cells.end(), std::pair{r, c + 1}) +
                                 std::count(cells.begin(), cells.end(), std::pair{r + 1, c});
            EXPECT_GE(touchingPairs, 3);
            FallingPiece.type = static_cast<std::int16_t>(t), FallingPiece.rotation = static_cast<std::int16_t>(q);
            EXPECT_EQ(PieceFits(kSpawnColumn, 0), 1);
        }
    }
}

// Each press turns the piece a true quarter clockwise about one point of its block, from
// rotation 3 back to 0 too, so that nothing ever jumps sideways. Cells land on cells only
// about a point whose half-cell coordinates have an even sum.
TEST_F(Shapes, RotationsTurnClockwiseAboutOneFixedCentre) {
    for (int t = 0; t < kPieceTypes; ++t) {
        bool found = false;
        for (int centre = 0; centre < 7 * 7 && !found; ++centre) {
            const int row = centre / 7, column = centre % 7;
            found = (row + column) % 2 == 0;
            for (int q = 0; q < kRotations && found; ++q)
                found = TurnedAbout(CellsOf(t, q), row, column) == CellsOf(t, (q + 1) % 4);
        }
        EXPECT_TRUE(found) << "type " << t << " does not turn about one point";
    }
}

}  // namespace
