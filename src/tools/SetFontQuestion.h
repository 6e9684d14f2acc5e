#pragma once

#include <QString>

// Asks whether the font of that name is to become the TextBoard's font; true for Yes.
bool confirmSetFont(const QString &fontName);
