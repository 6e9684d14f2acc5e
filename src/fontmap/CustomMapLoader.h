#pragma once

#include "fontmap/rules/QcmFormat.h"

#include <QObject>
#include <QString>

#include <optional>

class CommonDialog;
class CurrentCustomMap;
class CustomMapFileSlot;
class FontMapColors;
class FontMapGrid;
struct CommonDialogProperties;
class FontMapState;

// Reads the custom map at `path` through the slot and validates it: its cells, with the file
// left open in the slot; or nothing, after the slot was closed and the load error was shown,
// when the file cannot be read or holds no valid map.
std::optional<CustomMapCells> readCustomMapFile(CustomMapFileSlot &slot, const QString &path,
                                                const FontMapColors &schemeColors);

// Puts custom maps on the FontMap: reads a *.QCM file once through the custom map file slot,
// validates it and, when it is good, shows its characters in the cells in the FontMap's
// current charset and rebuilds the code table. A map that cannot be loaded leaves the map on
// screen and the current map as they were; only the slot is closed.
class CustomMapLoader final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomMapLoader)

public:
    CustomMapLoader(FontMapGrid &grid, FontMapState &state, CurrentCustomMap &map, CustomMapFileSlot &slot,
                    CommonDialog &dialog, CommonDialogProperties &cmnDlg, const FontMapColors &schemeColors,
                    QObject *parent = nullptr);

    // Loads the map at `path`; the caller has set CFMOpenPath to it and CFMOpenName to its
    // file name, which become the current map's when the load succeeds. The file stays open
    // in the slot.
    void LoadCFMap(const QString &path);
    // The "Load a Custom Map" dialog, then the load of the chosen file unless it is the map
    // already loaded.
    void LoadCFMapDlg();
    // The message for a map that is chosen again while it is loaded.
    void showAlreadyLoaded() const;

Q_SIGNALS:
    // A map was loaded from `path`: it goes to the top of the recent maps.
    void mapFileUsed(const QString &path);

private:
    void showMap(const CustomMapCells &cells);

    FontMapGrid &m_grid;
    FontMapState &m_s;
    CurrentCustomMap &m_map;
    CustomMapFileSlot &m_slot;
    CommonDialog &m_dialog;
    CommonDialogProperties &m_cmnDlg;
    const FontMapColors &m_schemeColors;
};
