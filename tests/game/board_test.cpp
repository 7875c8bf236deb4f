#include "game/board.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "game_fixture.h"
#include "platform/crt_random.h"

namespace {

using gametest::SetShape;

TEST(FirstPieces, AreDrawnBeforeMainFromTheUnseededGenerator) {
    crt::srand(1);  // the generator's state before anything seeds it
    const int first = crt::rand() % 7;
    EXPECT_EQ(FallingPiece.type, first);
    EXPECT_EQ(FallingPiece.nextType, crt::rand() % 7);
}

// One filled cell at block (0, 0), so the block's place is the cell's. Beyond a wall the
// cell runs into the neighbouring row: column -1 is the right wall of the row above, 14
// the left wall of the row below, -2 column 12 of the row above and 15 column 1 of the row
// below. Past the grid's 350 elements it counts as blocked.
TEST(PieceFits, FilledCellsAreJudgedByTheElementUnderThem) {
    std::fill(std::begin(Board), std::end(Board), 0);
    InitBoard();  // the walls and the floor are eight, the well empty
    for (int e = 0; e < kBoardCells; ++e) {
        EXPECT_EQ(Board[e], e % 14 == 0 || e % 14 == 13 || e / 14 == 24 ? 8 : 0) << e;
    }
    SetShape(0, 0, {"X...", "....", "....", "...."});
    FallingPiece = {0, 0, 0, 0, 0};
    // Column, row, an element given value 3 after InitBoard (-1 for none), and whether it fits.
    struct Case {
        std::int16_t column, row;
        int lockedElement, fits;
    };
    for (const Case& c : {Case{3, 10, -1, 1}, {3, 10, 143, 0}, {5, 23, -1, 1}, {-1, 5, -1, 0},
                          {14, 5, -1, 0}, {-2, 5, -1, 1}, {-2, 5, 4 * 14 + 12, 0},
                          {-2, 5, 5 * 14 + 12, 1}, {15, 5, -1, 1}, {15, 5, 6 * 14 + 1, 0},
                          {-1, 0, -1, 0}, {-2, 0, -1, 0}, {14, 24, -1, 0}, {15, 24, -1, 0},
                          {5, 25, -1, 0}, {5, -1, -1, 0}, {INT16_MAX, INT16_MAX, -1, 0},
                          {INT16_MIN, INT16_MIN, -1, 0},
                          {13, 24, 349, 1}}) {  // the last element is still read
        std::fill(std::begin(Board), std::end(Board), 0);
        InitBoard();
        if (c.lockedElement >= 0) {
            Board[c.lockedElement] = c.lockedElement == 349 ? 0 : 3;
        }
        EXPECT_EQ(PieceFits(c.column, c.row), c.fits) << c.column << ", " << c.row;
    }
}

// Block (0, 0) at column -1 of row 0 names element -1 and is dropped; (1, 0), column -1 of
// row 1, is element 13 inside the grid and is written like any other. Past element 349
// nothing is written.
TEST(LockPiece, NeverWritesOutsideTheGrid) {
    SetShape(1, 0, {"X..X", "X...", "....", "...."});
    for (const auto& [column, row, written] :
         {std::tuple<std::int16_t, std::int16_t, std::vector<int>>{-1, 0, {2, 13}}, {14, 24, {}}}) {
        std::fill(std::begin(Board), std::end(Board), 0);
        FallingPiece = {1, 0, 0, column, row};
        LockPiece();
        for (int e = 0; e < kBoardCells; ++e) {
            EXPECT_EQ(Board[e], std::count(written.begin(), written.end(), e) ? 2 : 0) << e;
        }
    }
}

}  // namespace
