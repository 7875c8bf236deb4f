// The one game: the well with its walls and floor, the seven piece types in their four
// rotations, and the piece in play with the type of the next one.
#pragma once

#include <cstdint>

constexpr int kBoardRows = 25;     // rows 0-23 to play in, row 24 the floor
constexpr int kBoardColumns = 14;  // columns 1-12 to play in, 0 and 13 the walls
constexpr int kBoardCells = kBoardRows * kBoardColumns;
constexpr std::uint8_t kWallCell = 8;

constexpr int kPieceTypes = 7;
constexpr int kRotations = 4;
constexpr int kShapeSize = 4;  // a shape is a 4 x 4 block
constexpr int kShapeTableSize = kPieceTypes * kRotations * kShapeSize * kShapeSize;

constexpr std::int16_t kSpawnColumn = 5;

// Cell (r, c) is element r * 14 + c; 0 empty, 1-7 a locked cell of type value - 1, 8 wall.
extern std::uint8_t Board[kBoardCells];
// Cell (r, c) of rotation q of type t is element ((t * 4 + q) * 4 + r) * 4 + c.
extern std::uint8_t PieceShapeTable[kShapeTableSize];

struct FallingPieceFields {
    std::int16_t type = 0;
    std::int16_t nextType = 0;
    std::int16_t rotation = 0;
    std::int16_t column = kSpawnColumn;  // Board column of the block's left edge
    std::int16_t row = 0;                // Board row of the block's top edge
};
extern FallingPieceFields FallingPiece;

// Element of the shape table for block cell (r, c) of rotation q of type t.
constexpr int ShapeElement(int type, int rotation, int r, int c) {
    return ((type * kRotations + rotation) * kShapeSize + r) * kShapeSize + c;
}
// True when block cell (r, c) of rotation q of type t is filled.
bool ShapeCellFilled(int type, int rotation, int r, int c);

// 1 when the piece in play, with its type and rotation as they stand, fits with its block's
// top-left corner at (column, row); a filled cell over a non-zero element, or over one
// outside the grid, makes it 0.
int PieceFits(std::int16_t column, std::int16_t row);
// Writes the piece into the Board where it stands, plays the landing sound and brings the
// next piece into play at column 5, row 0.
void LockPiece();
// Draws the first piece's type and the next one's, before the generator is seeded.
void ChooseFirstPieces();
// Reads "Block.Dat" into the shape table. 0 when the file cannot be opened (the table is
// then left all 0), else 1; a short or damaged file is read as far as it goes.
int LoadPieceShapes();
// Writes the walls and the floor.
void InitBoard();
