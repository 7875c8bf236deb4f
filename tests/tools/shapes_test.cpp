// The shape file, read by the game into its table, and the pieces it makes.
#include <algorithm>
#include <set>

#include "game/board.h"
#include "generated_data.h"

namespace {

using Cells = std::vector<std::pair<int, int>>;  // (row, column) in the 4x4 block

Cells CellsOf(int type, int rotation) {
    Cells cells;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (ShapeCellFilled(type, rotation, r, c)) cells.push_back({r, c});
    return cells;
}

bool Connected(const Cells& cells) {
    std::set<std::pair<int, int>> left(cells.begin(), cells.end()), reached;
    std::vector<std::pair<int, int>> todo{cells.front()};
    while (!todo.empty()) {
        const auto [r, c] = todo.back();
        todo.pop_back();
        if (!left.erase({r, c})) continue;
        reached.insert({r, c});
        for (auto [dr, dc] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) todo.push_back({r + dr, c + dc});
    }
    return left.empty();
}

// Cells turned a quarter clockwise on screen about the point (centre, centre) counted in
// half cells, so a centre between cells can be named.
Cells TurnedAbout(const Cells& cells, int twiceCentreRow, int twiceCentreColumn) {
    Cells out;
    for (auto [r, c] : cells) {
        // (r, c) relative to the centre becomes (c, -r).
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

TEST_F(Shapes, EveryRotationHasFourJoinedCells) {
    for (int t = 0; t < kPieceTypes; ++t) {
        for (int q = 0; q < kRotations; ++q) {
            const Cells cells = CellsOf(t, q);
            ASSERT_EQ(cells.size(), 4u) << "type " << t << " rotation " << q;
            EXPECT_TRUE(Connected(cells)) << "type " << t << " rotation " << q;
        }
    }
}

// Each press turns the piece a true quarter clockwise about one fixed point of its block,
// from rotation 3 back to 0 too, so nothing ever jumps sideways.
TEST_F(Shapes, RotationsTurnClockwiseAboutOneFixedCentre) {
    for (int t = 0; t < kPieceTypes; ++t) {
        bool found = false;
        for (int cr = 0; cr <= 6 && !found; ++cr) {
            for (int cc = 0; cc <= 6 && !found; ++cc) {
                if ((cr + cc) % 2) continue;  // cells land on cells only about such points
                bool all = true;
                for (int q = 0; q < 4 && all; ++q) all = TurnedAbout(CellsOf(t, q), cr, cc) == CellsOf(t, (q + 1) % 4);
                found = all;
            }
        }
        EXPECT_TRUE(found) << "type " << t << " does not turn about one point";
    }
}

// A new piece must fit where it appears in every rotation, or the game would end at once.
TEST_F(Shapes, EachPieceFitsWhereItSpawnsInEveryRotation) {
    InitBoard();
    for (int t = 0; t < kPieceTypes; ++t) {
        FallingPiece.type = static_cast<std::int16_t>(t);
        for (int q = 0; q < 4; ++q) {
            FallingPiece.rotation = static_cast<std::int16_t>(q);
            EXPECT_EQ(PieceFits(kSpawnColumn, 0), 1) << "type " << t << " rotation " << q;
        }
    }
}

}  // namespace
