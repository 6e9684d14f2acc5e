#pragma once

#include "widgets/CellTableAccessible.h"

class ColorGrid;

// What assistive technology sees of a colour grid: a table of eight columns, each cell named
// as its tooltip names it, the selected cell the current one.
class ColorGridAccessible final : public CellTableOf<ColorGrid, ColorGridAccessible>
{
public:
    explicit ColorGridAccessible(ColorGrid *grid);

    QString cellName(int cell) const override;
    QRect cellRect(int cell) const override;
    int currentCell() const override;
};
