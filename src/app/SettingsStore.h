#pragma once

#include "app/rules/RecentFiles.h"
#include "core/Registry.h"
#include "core/Settings.h"
#include "core/SettingsAccess.h"

#include <QRectF>
#include <QString>

class FontMapColors;
class Registry;
class UserName;

// The settings store at start-up and exit: reading everything into a Settings value (with
// the first-run question and the repair prompt), the first-run defaults, and the writers.
// It knows nothing of the main window: the window applies what it reads and hands it what
// it writes. While it lives, a change that the store could not save, whoever made it, is
// told to the user, once in the run.
class SettingsStore final
{
    Q_DISABLE_COPY_MOVE(SettingsStore)

public:
    // What the first-run defaults and the size check need to know of the screen and the
    // window as designed (sizes in twips).
    struct Screen
    {
        int width = 1024;
        double twipsPerPixelX = 15;
        double twipsPerPixelY = 15;
        QRectF workArea;
        double designedFormWidth = 0;
        double designedFormHeight = 0;
        int designedFMBand3Width = 0;
    };

    struct LoadResult
    {
        bool abort = false;          // the repair was refused: start-up ends
        bool reset = false;          // every default was just applied and written
        bool sizeTooLarge = false;   // the saved FontMap size does not fit the screen
        int maxSizeIndex = 1;
    };

    // The recent-file lists as the window keeps them: at exit they are merged with the lists
    // another running program may have stored since start-up, and which entries this program
    // opened itself decides their order.
    struct RecentLists
    {
        const RecentFileList<9> &files;
        const RecentFileList<5> &maps;
    };

    SettingsStore(Registry &registry, UserName &userName, const FontMapColors &schemeColors);
    ~SettingsStore();

    LoadResult LoadSettings(Settings &settings, const Screen &screen);
    // At every exit: recent files (from `recent`, merged with the store's), FontMap size,
    // bands, folders and the window's size, and its place unless `withPlacement` is false (a
    // minimised or maximised window).
    void SaveLastSettings(const Settings &settings, const RecentLists &recent, bool withPlacement);
    // The six FontMap values of key Temp, deleted at every orderly exit.
    void DeleteTempColors();

private:
    void reportProblem(const StoreProblem &problem);
    void tellSaveFailure(const StoreProblem &problem);
    void firstRunQuestion(Settings &settings, const Screen &screen, LoadResult &result);
    void SetDefaultSettings(const QString &mode, Settings &settings, const Screen &screen, LoadResult &result);
    void CreateRegKeys();
    QList<SettingWrite> defaultCustomColors() const;
    QList<SettingWrite> initRegValues(const Settings &settings) const;
    // The defaults for the next start: TextBoard, FontMap, views and options.
    QList<SettingWrite> tbSettings(const Settings &settings) const;
    QList<SettingWrite> lastSettings(const Settings &settings, bool withPlacement) const;

    Registry &m_registry;
    SettingsAccess m_settings;
    UserName &m_userName;
    const FontMapColors &m_schemeColors;
    bool m_toldUnreadable = false;   // start-up said that no settings can be saved
    bool m_toldSaveFailure = false;
};
