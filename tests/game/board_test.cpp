#include "game/board.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "platform/headless/headless.h"

namespace {

using gametest::SetShape;

std::uint8_t& At(int row, int column) {
    return Board[row * kBoardColumns + column];
}

// Type 0 rotation 0 with one filled cell at block (r, c), and the piece set to it.
void SingleCellPiece(int r, int c) {
    const char* rows[4] = {"....", "....", "....", "...."};
    std::string filled[4] = {rows[0], rows[1], rows[2], rows[3]};
    filled[r][c] = 'X';
    SetShape(0, 0, {filled[0].c_str(), filled[1].c_str(), filled[2].c_str(), filled[3].c_str()});
    FallingPiece.type = 0;
    FallingPiece.rotation = 0;
}

TEST(FirstPieces, AreDrawnBeforeMainFromTheUnseededGenerator) {
    std::srand(1);  // the generator's state before anything seeds it
    const int first = std::rand() % 7;
    const int next = std::rand() % 7;
    EXPECT_EQ(FallingPiece.type, first);
    EXPECT_EQ(FallingPiece.nextType, next);
    EXPECT_EQ(FallingPiece.column, 5);
    EXPECT_EQ(FallingPiece.row, 0);
    EXPECT_EQ(FallingPiece.rotation, 0);
}

TEST(InitBoard, WallsAndFloorAreEightAndTheWellEmpty) {
    InitBoard();
    for (int r = 0; r < kBoardRows; ++r) {
        for (int c = 0; c < kBoardColumns; ++c) {
            const bool wall = c == 0 || c == 13 || r == 24;
            EXPECT_EQ(At(r, c), wall ? 8 : 0) << "row " << r << " column " << c;
        }
    }
}

TEST(PieceFits, OneFilledCellOverAnyNonZeroValueBlocks) {
    InitBoard();
    SingleCellPiece(1, 2);
    EXPECT_EQ(PieceFits(3, 10), 1);
    for (int value = 1; value <= 8; ++value) {
        At(11, 5) = static_cast<std::uint8_t>(value);
        EXPECT_EQ(PieceFits(3, 10), 0) << "value " << value;
    }
}

TEST(PieceFits, EmptyShapeCellsMayStandOverWallsAndFloor) {
    InitBoard();
    SetShape(0, 0, {"....", ".XX.", ".XX.", "...."});
    FallingPiece.type = 0;
    FallingPiece.rotation = 0;
    EXPECT_EQ(PieceFits(0, 0), 1);    // block columns 0 over the left wall, empty there
    EXPECT_EQ(PieceFits(10, 0), 1);   // block column 3 over the right wall
    EXPECT_EQ(PieceFits(4, 21), 1);   // block row 3 over the floor
    EXPECT_EQ(PieceFits(-1, 0), 0);   // a filled cell over the left wall
    EXPECT_EQ(PieceFits(11, 0), 0);   // over the right wall
    EXPECT_EQ(PieceFits(4, 22), 0);   // over the floor
}

TEST(PieceFits, ColumnsBeyondTheWallsRunIntoTheNeighbouringRows) {
    InitBoard();
    SingleCellPiece(0, 0);
    // Column -1 is the right wall of the row above, column 14 the left wall of the row below.
    EXPECT_EQ(PieceFits(-1, 5), 0);
    EXPECT_EQ(PieceFits(14, 5), 0);
    // Column -2 is column 12 of the row above, column 15 column 1 of the row below: judged
    // by what those cells hold.
    EXPECT_EQ(PieceFits(-2, 5), 1);
    EXPECT_EQ(PieceFits(15, 5), 1);
    At(4, 12) = 3;
    At(6, 1) = 6;
    EXPECT_EQ(PieceFits(-2, 5), 0);
    EXPECT_EQ(PieceFits(15, 5), 0);
    At(5, 12) = 3;  // the cell a plain column test would look at instead
    At(4, 12) = 0;
    EXPECT_EQ(PieceFits(-2, 5), 1);
}

TEST(PieceFits, CellsOutsideTheGridCountAsBlocked) {
    // Nothing locked anywhere, so only the grid's bounds can refuse these.
    SingleCellPiece(0, 0);
    EXPECT_EQ(PieceFits(2, 2), 1);
    EXPECT_EQ(PieceFits(-1, 0), 0);   // element -1
    EXPECT_EQ(PieceFits(-2, 0), 0);   // element -2
    EXPECT_EQ(PieceFits(14, 24), 0);  // element 350
    EXPECT_EQ(PieceFits(15, 24), 0);  // element 351
    EXPECT_EQ(PieceFits(5, 25), 0);
    EXPECT_EQ(PieceFits(5, -1), 0);
    EXPECT_EQ(PieceFits(INT16_MAX, INT16_MAX), 0);
    EXPECT_EQ(PieceFits(INT16_MIN, INT16_MIN), 0);
    EXPECT_EQ(PieceFits(13, 24), 1);  // element 349, the last one, is still read
}

class LockPieceTest : public gametest::GameFixture {};

TEST_F(LockPieceTest, WritesTheTypeValueUnderFilledCellsOnlyAndSpawnsTheNext) {
    LoadSounds();
    InitBoard();
    SetShape(3, 2, {"....", "XX..", ".XX.", "...."});
    At(11, 5) = 7;  // a locked cell under an empty shape cell stays
    At(12, 4) = 2;  // one under a filled cell is overwritten
    std::uint8_t expected[kBoardCells];
    std::copy(std::begin(Board), std::end(Board), expected);
    expected[11 * 14 + 3] = 4;
    expected[11 * 14 + 4] = 4;
    expected[12 * 14 + 4] = 4;
    expected[12 * 14 + 5] = 4;
    FallingPiece = {3, 6, 2, 3, 10};

    std::srand(99);
    const int drawn = std::rand() % 7;
    std::srand(99);
    LockPiece();

    for (int e = 0; e < kBoardCells; ++e) {
        EXPECT_EQ(Board[e], expected[e]) << "element " << e;
    }
    EXPECT_EQ(FallingPiece.type, 6);
    EXPECT_EQ(FallingPiece.nextType, drawn);
    EXPECT_EQ(FallingPiece.rotation, 0);
    EXPECT_EQ(FallingPiece.column, 5);
    EXPECT_EQ(FallingPiece.row, 0);
    EXPECT_EQ(PlayedSounds(), std::vector<std::string>{"FSOUND_PlaySound -1 Dynamic.Wav"});
}

TEST_F(LockPieceTest, NeverWritesOutsideTheGrid) {
    SetShape(1, 0, {"X..X", "X...", "....", "...."});
    FallingPiece = {1, 0, 0, -1, 0};
    LockPiece();
    // Block (0, 0) names element -1 and is dropped; (0, 3) is row 0 column 2; (1, 0), column
    // -1 of row 1, is element 13 inside the grid and is written like any other.
    for (int e = 0; e < kBoardCells; ++e) {
        EXPECT_EQ(Board[e], e == 2 || e == 13 ? 2 : 0) << "element " << e;
    }

    std::fill(std::begin(Board), std::end(Board), 0);
    FallingPiece = {1, 0, 0, 14, 24};  // every filled cell lies past element 349
    LockPiece();
    for (int e = 0; e < kBoardCells; ++e) {
        EXPECT_EQ(Board[e], 0) << "element " << e;
    }
}

}  // namespace
