#pragma once

#include "core/ColorValue.h"

#include <QString>

// The 16 colours of the classic palette by index 0..15, the only TextBoard text colours.
ColorValue QBColor(int index);
// The name of QB colour `index`; any other index gives the empty text.
QString QBColorName(int index);
