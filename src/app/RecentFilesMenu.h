#pragma once

#include "app/rules/RecentFiles.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>

class MainMenu;
class QMenu;
struct MainState;

// Moves a path to the top of a recent-file list, newest first: an entry already in the
// list (same folder and name, letter case counting) moves up, a new one pushes the others
// down and, in a full list, drops the oldest. Returns whether the path was in the list.
template<int Max>
bool pushRecentFile(RecentFileList<Max> &list, const QString &path)
{
    // Before start-up has read the list its count may still be 0; the first free rank is 1.
    const int count = std::max(list.count, 1);
    int found = 0;
    if (count >= 2) {
        for (int i = 1; i <= count && !found; ++i) {
            if (!list(i).name.isEmpty() && list(i).folder + list(i).name == path)
                found = i;
        }
    }
    for (int j = (found ? found : count) - 1; j >= 1; --j)
        list(j + 1) = list(j);
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/')) + 1;
    list(1) = RecentFile{path.left(cut), path.mid(cut)};
    list.count = found ? count : std::min(count + 1, Max);
    return found != 0;
}

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
    // The "Load" button's drop-down: one entry per text file in use, its menu item's caption
    // without the access key and number ("&1 notes.txt" gives "notes.txt").
    void LoadSaveTB_ButtonDropDown(QMenu *dropDown) const;

private:
    template<int Max>
    void showList(const RecentFileList<Max> &list, const QString &itemName, const QString &separator);

    MainMenu &m_menu;
    MainState &m_s;
};
