#include "shape_file.h"

#include <cstddef>

namespace {

// Each piece in its spawn rotation, drawn in the 4x4 block that the game lays over Board
// columns 5-8 when the piece appears. The well's columns are 1-12, so its middle falls
// between Board columns 6 and 7, which is between block columns 1 and 2:
// - the line (four wide) fills block columns 0-3 and the square (two wide) columns 1-2:
//   both exactly centred, with four free columns either side of the line, five of the square;
// - the five pieces three wide cannot be centred; they fill block columns 0-2 (Board 5-7,
//   four free columns on the left, five on the right) and turn inside the 3x3 box at rows
//   0-2, columns 0-2.
// Every rotation is a true quarter turn about one fixed point: the middle of the 4x4 block
// for the line, the middle of the 3x3 box for the three-wide pieces, and the square never
// moves, so turning never carries a piece sideways. The line lies in block row 1 so that its
// turns stay inside the block; the others start in row 0, at the top of the well.
struct Spawn {
    int box;  // side of the box it turns in: 4 for the line, 2 for the square, else 3
    const char* rows[4];
};

constexpr Spawn kSpawns[7] = {
    {4, {"....", "####", "....", "...."}},  // the line
    {2, {".##.", ".##.", "....", "...."}},  // the square
    {3, {".#..", "###.", "....", "...."}},  // the T
    {3, {".##.", "##..", "....", "...."}},  // the skew shape
    {3, {"##..", ".##.", "....", "...."}},  // its mirror image
    {3, {"#...", "###.", "....", "...."}},  // the bent shape
    {3, {"..#.", "###.", "....", "...."}},  // its mirror image
};

ShapeGrid Parse(const Spawn& spawn) {
    ShapeGrid grid{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) grid[r][c] = spawn.rows[r][c] == '#' ? 1 : 0;
    return grid;
}

// A quarter turn clockwise on the screen (rows grow downward) inside a box of side n at the
// block's top-left; the square's box of 2 sits at column 1, so it is left as it is.
ShapeGrid TurnClockwise(const ShapeGrid& grid, int n) {
    if (n == 2) return grid;
    ShapeGrid turned{};
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) turned[c][n - 1 - r] = grid[r][c];
    return turned;
}

}  // namespace

std::array<PieceRotations, 7> PieceShapes() {
    std::array<PieceRotations, 7> pieces{};
    for (std::size_t t = 0; t < pieces.size(); ++t) {
        pieces[t][0] = Parse(kSpawns[t]);
        for (int q = 1; q < 4; ++q) pieces[t][q] = TurnClockwise(pieces[t][q - 1], kSpawns[t].box);
    }
    return pieces;
}

std::string ShapeFileText() {
    std::string text;
    for (const PieceRotations& piece : PieceShapes()) {
        for (const ShapeGrid& grid : piece) {
            for (const auto& row : grid) {
                for (int c = 0; c < 4; ++c) {
                    text += static_cast<char>('0' + row[c]);
                    text += c < 3 ? ' ' : '\n';
                }
            }
            text += '\n';
        }
    }
    return text;
}
