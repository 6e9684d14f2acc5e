#include "widgets/ColorGridAccessible.h"

#include "core/ColorGridMoves.h"
#include "widgets/ColorGrid.h"

ColorGridAccessible::ColorGridAccessible(ColorGrid *grid)
    : CellTableOf(grid, grid->count(), (grid->count() + ColorGridMoves::kColumns - 1) / ColorGridMoves::kColumns,
                  ColorGridMoves::kColumns)
{
}

// The grid numbers its cells from 1.
QString ColorGridAccessible::cellName(int cell) const
{
    return owner()->name(cell + 1);
}

QRect ColorGridAccessible::cellRect(int cell) const
{
    return owner()->cellRect(cell + 1);
}

int ColorGridAccessible::currentCell() const
{
    return owner()->current() - 1;
}
