#pragma once

#include "core/FontRecordsTable.h"

#include <QString>
#include <QtGlobal>

// The program-wide variables that several windows read and write directly, reached through
// globals(); nothing else in the program is global mutable state. The program's main
// constructs one for its run, a test one for each case; the newest one alive is current, so
// that a test starts from a fresh state by constructing one, and the newest one before it is
// current again when it ends.
struct GlobalDeclarations final
{
    GlobalDeclarations();
    ~GlobalDeclarations();
    Q_DISABLE_COPY_MOVE(GlobalDeclarations)

    // Product texts, set at the beginning of start-up.
    QString gAppName;
    QString gCreditLine;
    QString gUserName;

    // Settings store: a read of a missing value or key sets it; LoadSettings clears and tests it.
    bool gRegError = false;

    // Message box answer, reset by every QrvlMsg.
    bool gMsgResult = false;
    bool gMsgDontDisplay = false;
    bool gMsgIsOK = false;

    // Toggles that every window follows.
    bool gToolTips = true;
    bool gColorScheme = true;

    // Colour exchange between a caller and a colour dialog.
    int gColorIndex = 0;
    int gPaletteRef = 0;
    QString gColorName;
    QString gColorValue;

    // Custom map editor result, cleared by its caller first.
    bool gCFMapSaved = false;

    // Caret carried to the full-screen preview and back.
    double gTBCaret = 0;

    // Installed font counts, and the per-font records indexed by font number:
    // gFontLF(row, n) / gFontTM(row, n) through value(row, n).
    int gFontCount = 0;
    int gTTFontCount = 0;
    int gSysFontCount = 0;
    FontRecordTable<LogFontRecord> gFontLF;
    FontRecordTable<TextMetricRecord> gFontTM;

private:
    GlobalDeclarations *m_previous = nullptr;
};

// The current program state; one must be alive.
GlobalDeclarations &globals();
