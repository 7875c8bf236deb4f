// The seven piece types in their four clockwise rotations, as the text file the game reads.
#pragma once

#include <array>
#include <string>

// One rotation: 4 rows of 4 cells, 1 filled.
using ShapeGrid = std::array<std::array<int, 4>, 4>;
using PieceRotations = std::array<ShapeGrid, 4>;

// Type t's four rotations, rotation q + 1 being q turned a quarter clockwise.
std::array<PieceRotations, 7> PieceShapes();
// The 448 numbers in table order: per rotation a 4x4 grid, a blank line between rotations.
std::string ShapeFileText();
