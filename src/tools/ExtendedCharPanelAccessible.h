#pragma once

#include "widgets/CellTableAccessible.h"

class ExtendedCharPanel;

// What assistive technology sees of the keyboard viewer's special characters: a table of 19
// columns, each character named by itself and described by its codes and the keystroke that
// types it.
class ExtendedCharPanelAccessible final : public CellTableOf<ExtendedCharPanel, ExtendedCharPanelAccessible>
{
public:
    explicit ExtendedCharPanelAccessible(ExtendedCharPanel *panel);

    QString cellName(int cell) const override;
    QString cellDescription(int cell) const override;
    QRect cellRect(int cell) const override;
};
