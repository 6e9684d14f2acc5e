#pragma once

#include "widgets/CellTableAccessible.h"

class FontMapGrid;

// What assistive technology sees of a FontMap grid (the FontMap, the custom map editor's
// template): a table of 8 rows of 28 cells, each named by its caption and described by the
// codes its owner gives (the Code and KeyStroke views' texts); the editor's highlighted cell
// is the current one.
class FontMapGridAccessible final : public CellTableOf<FontMapGrid, FontMapGridAccessible>
{
public:
    explicit FontMapGridAccessible(FontMapGrid *grid);

    QString cellName(int cell) const override;
    QString cellDescription(int cell) const override;
    QRect cellRect(int cell) const override;
    int currentCell() const override;
};
