#pragma once

#include "app/rules/ColorValue.h"
#include "app/rules/RecentFiles.h"
#include "fontmap/rules/CodeTable.h"

#include <QString>

#include <array>

// The main window's state that several of its parts read and write.
struct MainState
{
    // Layout metrics recorded at start-up.
    double TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;
    int TBMaxLength = 61440;
    double ProgressFullWidth = 0;
    double VCDesignLeft = 0;
    int LastScreenWidth = 0;

    // Start-up and change flags.
    bool FirstActivate = false;
    bool AbortStartup = false;
    bool SettingsReset = false;
    bool TBChanged = false;

    // FontMap colours.
    ColorValue FMForeColor = kWindowText;
    ColorValue FMBackColor = kWindowBackground;
    int FMForeColorIndex = 8;
    int FMBackColorIndex = 5;
    QString FMForeColorName;
    QString FMBackColorName;
    int FMForePaletteRef = 1;
    int FMBackPaletteRef = 1;

    // TextBoard format.
    QString TBFontName;
    std::array<int, 4> TBFontStyle{}; // bold, italic, underline, strikeout: 0 or 1
    int TBFontColorIndex = 0;
    QString TBFontColorName;

    // Files.
    QString TBOpenPath, TBOpenName;
    QString TBLoadedPath, TBLoadedName;
    QString CFMOpenPath, CFMOpenName;
    QString CFMLoadedPath, CFMLoadedName;
    QString TBLoadFolder, TBSaveFolder, CFMLoadFolder, CFMSaveFolder;
    RecentFileList<9> FileMRUList;
    RecentFileList<5> CFMRUList;
    bool InitMap = false;
    QString InitMapPath;
    bool FontChangedOnLoad = false;

    // Layout.
    QString VCPosition = QStringLiteral("L");
    int SizeIndex = 1;
    int MaxSizeIndex = 1;
    bool FMResizing = false;
    double LastFormHeight = 0;
    double LastFormWidth = 0;

    // Fonts and the FontMap.
    int FontIndex = 0;
    CodeTable codeTable;
    int LastHoverIndex = 0;

    // Find.
    QString LastFindString;
    bool FindHasFocus = false;
};
