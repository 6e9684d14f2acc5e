#pragma once

#include "app/rules/ColorValue.h"

#include <QColor>

class QPalette;

// The colour to draw for a colour value; system colours come from the palette.
QColor resolveColor(ColorValue value, const QPalette &palette);
QColor resolveColor(ColorValue value);

// The colour value of a concrete colour.
ColorValue colorValueOf(const QColor &color);
