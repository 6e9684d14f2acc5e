#pragma once

#include "app/rules/RecentFiles.h"

#include <QObject>
#include <QString>

class ActionCollection;
class CurrentCustomMap;
class CustomMapFileSlot;
class CustomMapLoader;
class FontMapCommands;
struct FontMapControls;
class FontMapState;

// The custom map commands of File > Custom FontMap and of the `tlbCustFMap` toolbar (one
// action each, shared by the menu item and the button): New, Load with its drop-down of
// recent maps, Edit and Unload; and the controls that show the current map, which follow it
// whenever it changes.
class CustomMapCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomMapCommands)

public:
    struct Parts
    {
        CustomMapLoader &loader;
        FontMapCommands &fontMap;  // the standard map's captions and code table
        CustomMapFileSlot &slot;
        const RecentFileList<5> &recentMaps;
    };

    CustomMapCommands(FontMapControls &controls, FontMapState &state, ActionCollection &commands,
                      CurrentCustomMap &map, const Parts &parts, QObject *parent = nullptr);

    void FileCFMNew_Click();
    void FileCFMLoad_Click();
    void FileCFMEdit_Click();
    void FileCFMUnld_Click();
    void tlbCustFMap_ButtonDropDown();
    void tlbCustFMap_ButtonMenuClick(int index);

    // Edit and Unload, enabled only while a map is loaded, and the band that names it.
    void UpdateMapCtrls();

Q_SIGNALS:
    // The custom map editor is to be shown modal: on the map at `mapPath`, or on a new map
    // when it is empty. The signal returns when the editor has closed; the editor sets
    // gCFMapSaved when it saved the edited map to its own file.
    void editorRequested(const QString &mapPath);
    // The recent map of that rank (1 to 5) is to be loaded, as its menu item does.
    void recentMapChosen(int index);

private:
    FontMapControls &m_c;
    FontMapState &m_s;
    ActionCollection &m_commands;
    CurrentCustomMap &m_map;
    Parts m_parts;
};
