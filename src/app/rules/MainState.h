#pragma once

#include "app/rules/RecentFiles.h"
#include "fontmap/rules/FontMapState.h"
#include "textboard/rules/TextBoardState.h"

#include <QString>

// The main window's state: the FontMap's and the TextBoard's own parts, and the window's
// layout metrics, start-up flags and recent-file lists. The state that other windows read
// or change has objects of its own, with changed signals: TextBoardFont, FontMapColors,
// ViewSettings, Toggles and CurrentCustomMap; the TextBoard's text, changed flag and files
// are its TextBoardDocument's.
struct MainState
{
    FontMapState fontMap;
    TextBoardState textBoard;

    // Layout metrics recorded at start-up.
    double TwipsPerPixelX = 15;
    double VCDesignLeft = 0;
    int LastScreenWidth = 0;

    // Start-up flags.
    bool FirstActivate = false;
    bool AbortStartup = false;
    bool SettingsReset = false;

    RecentFileList<9> FileMRUList;
    RecentFileList<5> CFMRUList;
    bool InitMap = false;
    QString InitMapPath;

    double LastFormHeight = 0;
    double LastFormWidth = 0;
};
