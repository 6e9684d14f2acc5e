#pragma once

#include <QString>

// The TextBoard's own state that its parts share: its capacity and fill meter width, the
// changed flag, the text files, and find.
struct TextBoardState
{
    int TBMaxLength = 61440;
    double ProgressFullWidth = 0;  // twips: the fill meter at 100 percent
    bool TBChanged = false;

    QString TBOpenPath, TBOpenName;
    QString TBLoadedPath, TBLoadedName;
    QString TBLoadFolder, TBSaveFolder;
    bool FontChangedOnLoad = false;

    QString LastFindString;
    bool FindHasFocus = false;

    // Twips per pixel, vertical, as the window recorded it at start-up.
    int TwipsPerPixelY = 15;
};
