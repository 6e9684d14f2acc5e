#pragma once

#include <optional>

// How the selection moves in a grid of colour cells numbered from 1, eight to a row, where
// only the last row may be short (the colour dialogs' grids). Left and Right step through
// the numbers and wrap; Up and Down walk column by column over the full rows: up from the
// top row continues at the bottom of the column to the left, down from the bottom at the
// top of the column to the right, a short last row is reached from the cell above it, and
// the first and the last cell are joined.
namespace ColorGridMoves {

inline constexpr int kColumns = 8;

enum class Move { Home, End, Left, Right, Up, Down };

// The move a key (a Qt::Key) makes; nullopt for any other key.
std::optional<Move> moveForKey(int key);

// The cell reached from `cell` in a grid of `count` cells (at least 16).
int apply(Move move, int cell, int count);

// `cell` brought into 1..count.
int clampCell(int cell, int count);
// The cell of a 0-based colour index handed in by a caller, brought into 1..count.
int cellForIndex(int index, int count);

} // namespace ColorGridMoves
