#pragma once

#include "fontmap/rules/FontListEntry.h"

class FontCatalog;

// gFontCount is a 16-bit count: the enumeration stops at this many fonts.
inline constexpr int kMaxFonts = 32767;

// Enumerates the installed fonts into the program-wide font table: the records gFontLF and
// gFontTM, one column per font number, and the counts gFontCount, gTTFontCount and
// gSysFontCount. Returns the font list entries, one per font in the catalog's order, the face
// name followed by the type digit, with the font number.
FontListEntries enumerateFonts(const FontCatalog &catalog);
