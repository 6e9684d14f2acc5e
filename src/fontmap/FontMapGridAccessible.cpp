#include "fontmap/FontMapGridAccessible.h"

#include "fontmap/FontMapGrid.h"

FontMapGridAccessible::FontMapGridAccessible(FontMapGrid *grid)
    : CellTableOf(grid, FontMapGrid::kCells, FontMapGrid::kCells / FontMapGrid::kColumns, FontMapGrid::kColumns)
{
}

QString FontMapGridAccessible::cellName(int cell) const
{
    return owner()->cell(cell).caption;
}

QString FontMapGridAccessible::cellDescription(int cell) const
{
    return owner()->cellDescription(cell);
}

QRect FontMapGridAccessible::cellRect(int cell) const
{
    return owner()->cellRect(cell);
}

int FontMapGridAccessible::currentCell() const
{
    return owner()->currentCell();
}
