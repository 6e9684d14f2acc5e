#include "core/ColorGridMoves.h"

#include <QtCore/qnamespace.h>
#include <QtGlobal>

namespace ColorGridMoves {

std::optional<Move> moveForKey(int key)
{
    switch (key) {
    case Qt::Key_Home: return Move::Home;
    case Qt::Key_End: return Move::End;
    case Qt::Key_Left: return Move::Left;
    case Qt::Key_Right: return Move::Right;
    case Qt::Key_Up: return Move::Up;
    case Qt::Key_Down: return Move::Down;
    default: return std::nullopt;
    }
}

int apply(Move move, int cell, int count)
{
    Q_ASSERT(count >= 2 * kColumns);
    const int s = clampCell(cell, count);
    // From the top row up (or from the bottom of a column down) the selection jumps by the
    // full rows less one row and one cell: to the neighbouring column's other end.
    const int wrap = count / kColumns * kColumns - kColumns - 1;
    switch (move) {
    case Move::Home: return 1;
    case Move::End: return count;
    case Move::Left: return s == 1 ? count : s - 1;
    case Move::Right: return s == count ? 1 : s + 1;
    case Move::Up:
        if (s == 1)
            return count;
        return s <= kColumns ? s + wrap : s - kColumns;
    case Move::Down:
        if (s == count)
            return 1;
        return s + kColumns > count ? s - wrap : s + kColumns;
    }
    return s;
}

int clampCell(int cell, int count)
{
    return qBound(1, cell, count);
}

int cellForIndex(int index, int count)
{
    // Bounded before the step to a cell number, so that no stored index can overflow it.
    return qBound(0, index, count - 1) + 1;
}

} // namespace ColorGridMoves
