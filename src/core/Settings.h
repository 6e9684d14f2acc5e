#pragma once

#include "core/ColorValue.h"

#include <QString>

#include <array>

// Every stored setting as one plain value: what the settings store reads at start-up and
// writes at exit, first run, repair and from the Options dialog. The settings layout binds
// each member to its stored value; nothing here knows of windows.
struct Settings
{
    // Software\Quorvil
    int MV = 300;
    int SV = 2;

    // TextBoard
    QString TBFontName;
    int TBFontSize = 10;
    std::array<int, 4> TBFontStyle{}; // bold, italic, underline, strikeout: 0 or 1
    int TBAlignment = 0;              // 0 left, 1 right, 2 centre
    int TBFontColorIndex = 0;
    QString TBFontColorName = QStringLiteral("Black");

    // FontMap
    ColorValue FMForeColor = kWindowText;
    ColorValue FMBackColor = kWindowBackground;
    int FMForeColorIndex = 8;
    int FMBackColorIndex = 5;
    QString FMForeColorName = QStringLiteral("Window Text");
    QString FMBackColorName = QStringLiteral("Window Background");
    int FMForePaletteRef = 1;
    int FMBackPaletteRef = 1;
    bool Hilite = false;
    int Borders = 1;
    int SizeIndex = 1;
    bool InitMap = false;
    QString InitMapPath = QStringLiteral("None");

    // Views
    bool ZoomView = true;
    bool CodeView = true;
    bool KeyStrokeView = true;
    int ZoomSize = 72;

    // Options
    bool TXTLoadSet = true;
    bool QUFUnLoadSet = true;
    bool CopyDialog = true;
    bool ExitWarning = true;
    bool OverwriteWarning = true;
    bool ColorScheme = true;
    bool ToolTips = true;
    QString VCPosition = QStringLiteral("L");
    int ZoomedLetter = 65;
    int OFMapStart = 60;
    bool MaximizeTB = false;

    // CFMEditor and FB
    int ListCols = 10;
    int ShiftDir = 0;
    QString SampleText;

    // Bars: band widths in twips
    std::array<int, 4> MainBandWidth{};
    std::array<int, 5> TBBandWidth{};
    std::array<int, 3> FMBandWidth{};

    // Last: window placement in twips and the last folders
    int FormTop = 0;
    int FormLeft = 0;
    int FormHeight = 0;
    int FormWidth = 0;
    QString LFLoadPath, LFSavePath, LMLoadPath, LMSavePath;

    // MRU and CFMRU: full paths, newest first; an empty text ends the list
    std::array<QString, 9> FileMRU;
    std::array<QString, 5> CFMRU;
};
