#pragma once

#include "widgets/CellTableAccessible.h"

class KeyboardPicture;

// What assistive technology sees of the keyboard viewer's keyboard: a table of its four rows,
// the 47 character keys named by the characters they show and described by their codes, and
// the two Shift keys at the ends of the bottom row, checked while the shifted layout is shown.
class KeyboardPictureAccessible final : public CellTableOf<KeyboardPicture, KeyboardPictureAccessible>
{
public:
    explicit KeyboardPictureAccessible(KeyboardPicture *picture);

    QString cellName(int cell) const override;
    QString cellDescription(int cell) const override;
    QRect cellRect(int cell) const override;
    QAccessible::Role cellRole(int cell) const override;
    QAccessible::State cellState(int cell) const override;
    int rowOf(int cell) const override;
    int columnOf(int cell) const override;
    int cellAtPlace(int row, int column) const override;
};
