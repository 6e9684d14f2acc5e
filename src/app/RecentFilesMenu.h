#pragma once

#include "app/rules/RecentFiles.h"

#include <QString>
#include <QtGlobal>

#include <functional>

class ActionCollection;
class FileChecks;
class FontMapColors;
class MainMenu;
class QMenu;
class TextBoardDocument;
struct MainState;

// The two recent-file lists of the main window, newest first: File > Text File with its items
// FileMRU(1) to FileMRU(9) and the separator FileSep3, and File > Custom FontMap with CFMRU(1)
// to CFMRU(5) and FileSep2. A click on an item checks that the file is still there and loads it.
class RecentFilesMenu final
{
    Q_DISABLE_COPY_MOVE(RecentFilesMenu)

public:
    // What a click on an entry runs once the file has been found.
    struct Loaders
    {
        // Whether a text file may be loaded when it is the one on the TextBoard already.
        std::function<bool(const QString &path)> checkLoadedFile;
        // TBOpenPath and TBOpenName, or CFMOpenPath and CFMOpenName, are set first.
        std::function<void(const QString &path)> loadTextFile;
        std::function<void(const QString &path)> loadCustomMap;
    };

    RecentFilesMenu(MainMenu &menu, MainState &state, TextBoardDocument &document, ActionCollection &commands,
                    FileChecks &checks, const FontMapColors &schemeColors, Loaders loaders);

    // After a text file was loaded or saved, or a custom map loaded: the path goes to rank 1,
    // the list's load folder becomes its folder (without the trailing separator) and the menu
    // shows the list.
    void UpdateFileMRU(const QString &path);
    void UpdateCFMRU(const QString &path);
    // Both lists' entries in use as their menu items, with their separators.
    void showLists();
    // The "Load" button's drop-down: one entry per text file in use, its menu item's caption
    // without the access key and number ("&1 notes.txt" gives "notes.txt").
    void LoadSaveTB_ButtonDropDown(QMenu *dropDown) const;

    // The entry of that rank is loaded again, after its drive, folder and file are found.
    void FileMRU_Click(int index);
    void CFMRU_Click(int index);

private:
    template<int Max>
    void showList(const RecentFileList<Max> &list, const QString &itemName, const QString &separator);

    MainMenu &m_menu;
    MainState &m_s;
    TextBoardDocument &m_document;
    FileChecks &m_checks;
    const FontMapColors &m_schemeColors;
    Loaders m_loaders;
};
