#pragma once

#include <QString>

class FontMapColors;

// Asks whether the font of that name is to become the TextBoard's font; true for Yes.
bool confirmSetFont(const QString &fontName, const FontMapColors &schemeColors);
