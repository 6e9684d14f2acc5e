#include "tools/FontMapSampleRowAccessible.h"

#include "tools/FontMapSampleRow.h"

FontMapSampleRowAccessible::FontMapSampleRowAccessible(FontMapSampleRow *row)
    : CellTableOf(row, FontMapSampleRow::kCells, 1, FontMapSampleRow::kCells)
{
}

QString FontMapSampleRowAccessible::cellName(int cell) const
{
    return owner()->cell(cell).caption;
}

QRect FontMapSampleRowAccessible::cellRect(int cell) const
{
    return owner()->cellRect(cell);
}

int FontMapSampleRowAccessible::currentCell() const
{
    return owner()->markerCell();
}
