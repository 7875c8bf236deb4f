#include "game/board.h"

#include <cctype>
#include <cstdio>

#include "platform/crt_random.h"
#include "sound/sounds.h"

std::uint8_t Board[kBoardCells] = {};
std::uint8_t PieceShapeTable[kShapeTableSize] = {};
FallingPieceFields FallingPiece;

bool ShapeCellFilled(int type, int rotation, int r, int c) {
    return PieceShapeTable[ShapeElement(type, rotation, r, c)] != 0;
}

namespace {

// The Board element under block cell (r, c) of a block at (column, row). There is no column
// test: a cell beyond a wall runs on into the neighbouring row. Near the top and the bottom
// that can leave the grid, which the callers must refuse.
int BoardElement(int column, int row, int r, int c) {
    return (row + r) * kBoardColumns + (column + c);
}

bool InsideGrid(int element) {
    return element >= 0 && element < kBoardCells;
}

}  // namespace

int PieceFits(std::int16_t column, std::int16_t row) {
    for (int r = 0; r < kShapeSize; ++r) {
        for (int c = 0; c < kShapeSize; ++c) {
            if (!ShapeCellFilled(FallingPiece.type, FallingPiece.rotation, r, c)) {
                continue;
            }
            const int element = BoardElement(column, row, r, c);
            if (!InsideGrid(element) || Board[element] != 0) {
                return 0;
            }
        }
    }
    return 1;
}

void LockPiece() {
    FSOUND_PlaySound(FSOUND_FREE, SampleDynamic);
    for (int r = 0; r < kShapeSize; ++r) {
        for (int c = 0; c < kShapeSize; ++c) {
            if (!ShapeCellFilled(FallingPiece.type, FallingPiece.rotation, r, c)) {
                continue;
            }
            const int element = BoardElement(FallingPiece.column, FallingPiece.row, r, c);
            if (InsideGrid(element)) {
                Board[element] = static_cast<std::uint8_t>(FallingPiece.type + 1);
            }
        }
    }
    FallingPiece.column = kSpawnColumn;
    FallingPiece.row = 0;
    FallingPiece.type = FallingPiece.nextType;
    FallingPiece.rotation = 0;
    FallingPiece.nextType = static_cast<std::int16_t>(crt::rand() % kPieceTypes);
}

void ChooseFirstPieces() {
    FallingPiece.type = static_cast<std::int16_t>(crt::rand() % kPieceTypes);
    FallingPiece.nextType = static_cast<std::int16_t>(crt::rand() % kPieceTypes);
}

namespace {

// The first two pieces are drawn as the program starts, before anything seeds the generator.
struct FirstPiecesAtStart {
    FirstPiecesAtStart() { ChooseFirstPieces(); }
} const firstPiecesAtStart;

// One number as "%d" reads it: white space skipped, an optional sign, then at least one
// digit. Only the low eight bits are kept, so no length of digits can overflow. False at
// the end of the file or at anything that is not a number.
bool ReadNumberLowByte(std::FILE* file, std::uint8_t& lowByte) {
    int ch = std::fgetc(file);
    while (ch != EOF && std::isspace(ch)) {
        ch = std::fgetc(file);
    }
    const bool negative = ch == '-';
    if (ch == '-' || ch == '+') {
        ch = std::fgetc(file);
    }
    if (ch == EOF || !std::isdigit(ch)) {
        return false;
    }
    unsigned value = 0;
    while (ch != EOF && std::isdigit(ch)) {
        value = (value * 10u + static_cast<unsigned>(ch - '0')) & 0xFFu;
        ch = std::fgetc(file);
    }
    std::ungetc(ch, file);
    lowByte = static_cast<std::uint8_t>(negative ? 0u - value : value);
    return true;
}

}  // namespace

int LoadPieceShapes() {
    std::FILE* file = std::fopen("Block.Dat", "rt");
    if (file == nullptr) {
        return 0;
    }
    // Once a read fails, "%d" would fail on the same token for ever: the rest stays 0.
    bool reading = true;
    for (std::uint8_t& cell : PieceShapeTable) {
        cell = 0;
        std::uint8_t lowByte = 0;
        reading = reading && ReadNumberLowByte(file, lowByte);
        if (reading) {
            cell = lowByte;
        }
    }
    std::fclose(file);
    return 1;
}

void InitBoard() {
    for (int c = 0; c < kBoardColumns; ++c) {
        Board[(kBoardRows - 1) * kBoardColumns + c] = kWallCell;
    }
    for (int r = 0; r < kBoardRows; ++r) {
        Board[r * kBoardColumns] = kWallCell;
        Board[r * kBoardColumns + kBoardColumns - 1] = kWallCell;
    }
}
