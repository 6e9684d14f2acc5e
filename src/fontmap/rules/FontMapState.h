#pragma once

#include "fontmap/rules/CodeTable.h"

#include <QString>

// The FontMap's own state that its parts share: the chosen font and its place in the font list,
// the code table, the last hovered cell, the map's size step, and the custom map files.
struct FontMapState
{
    QString TBFontName;  // the face last chosen (or read from the settings), installed or not
    int FontIndex = 0;  // 1-based position of the current font in the font list
    CodeTable codeTable;
    int LastHoverIndex = 0;

    int SizeIndex = 1;
    int MaxSizeIndex = 1;
    bool FMResizing = false;

    QString CFMOpenPath, CFMOpenName;
    QString CFMLoadFolder, CFMSaveFolder;
};
