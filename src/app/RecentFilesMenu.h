#pragma once

#include "app/rules/RecentFiles.h"

#include <QString>
#include <QtGlobal>

class MainMenu;
struct MainState;

// The File > Text File list of the main window: its table in MainState and its menu items
// FileMRU(1) to FileMRU(9) with the separator FileSep3.
class RecentFilesMenu final
{
    Q_DISABLE_COPY_MOVE(RecentFilesMenu)

public:
    RecentFilesMenu(MainMenu &menu, MainState &state);

    // After a text file was loaded or saved: the path goes to rank 1, TBLoadFolder becomes
    // its folder (without the trailing separator) and the menu shows the list.
    void UpdateFileMRU(const QString &path);
    // Both lists' entries in use as their menu items, with their separators.
    void showLists();

private:
    template<int Max>
    void showList(const RecentFileList<Max> &list, const QString &itemName, const QString &separator);

    MainMenu &m_menu;
    MainState &m_s;
};
