#pragma once

#include "core/ColorValue.h"

#include <QColor>

class QPalette;

// The colour to draw for a colour value; system colours come from the palette.
QColor resolveColor(ColorValue value, const QPalette &palette);
QColor resolveColor(ColorValue value);

// The colour value of a concrete colour.
ColorValue colorValueOf(const QColor &color);

class QWidget;

// Classic controls carried a fore and a back colour value; a widget keeps them as
// properties and shows them through its palette. Unset, they are window text on
// window background.
void setForeColor(QWidget *widget, ColorValue color);
void setBackColor(QWidget *widget, ColorValue color);
ColorValue foreColor(const QWidget *widget);
ColorValue backColor(const QWidget *widget);
