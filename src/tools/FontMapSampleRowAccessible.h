#pragma once

#include "widgets/CellTableAccessible.h"

class FontMapSampleRow;

// What assistive technology sees of the Options dialog's FontMap sample: one row of 13 cells,
// each named by its caption; the cell with the marker, whose letter the zoom shows, is the
// current one.
class FontMapSampleRowAccessible final : public CellTableOf<FontMapSampleRow, FontMapSampleRowAccessible>
{
public:
    explicit FontMapSampleRowAccessible(FontMapSampleRow *row);

    QString cellName(int cell) const override;
    QRect cellRect(int cell) const override;
    int currentCell() const override;
};
