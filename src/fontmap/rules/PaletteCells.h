#pragma once

#include "core/ColorValue.h"

#include <QString>

// The cells of the FontMap colour palette's three tabs: 48 fixed colours, the 25 system
// colours that follow the desktop, and the 40 custom colours (CustomColors.h). Cells are
// numbered from 1 in each palette; a palette reference names the tab.
namespace PaletteCells {

enum PaletteRef { Preset = 0, System = 1, Custom = 2 };
inline constexpr int kPaletteCount = 3;

inline constexpr int kPresetCount = 48;
inline constexpr int kSystemCount = 25;
inline constexpr int kCustomCount = 40;

// The number of cells of a palette (any reference is first brought into 0..2).
int cellCount(int paletteRef);
// "Preset", "System" or "Custom".
QString tabCaption(int paletteRef);
// A palette reference brought into 0..2, for references taken from the store.
int clampPaletteRef(int paletteRef);

// Preset cell 1..48; the name a preset cell carries is its own number.
ColorValue presetColor(int cell);
// System cell 1..25 is system colour cell − 1, under the name the palette shows for it.
ColorValue systemCellColor(int cell);
QString systemColorName(int cell);

} // namespace PaletteCells
