// Any text as the shape file: read into the shape table, then every piece type and rotation
// tried at its spawn place and past each corner of the well, whatever numbers it holds.
#include <unistd.h>

#include <cstdint>

#include "fuzz_support.h"
#include "game/board.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The game opens its shape file by bare name from the working folder.
    if (chdir(ScratchFolder().c_str()) != 0) Finding("cannot enter the scratch folder");
    InitBoard();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StoreBytes("Block.Dat", data, size);
    if (LoadPieceShapes() != 1) Finding("a shape file that exists was not read");
    for (std::int16_t type = 0; type < kPieceTypes; ++type) {
        for (std::int16_t rotation = 0; rotation < kRotations; ++rotation) {
            FallingPiece.type = type;
            FallingPiece.rotation = rotation;
            for (const int row : {-4, 0, kBoardRows - 2}) {
                for (const int column : {-4, int{kSpawnColumn}, kBoardColumns - 2}) {
                    PieceFits(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row));
                }
            }
        }
    }
    return 0;
}
