#pragma once

#include "app/rules/RecentFiles.h"
#include "app/rules/RegistryFunctions.h"
#include "app/rules/SettingsAccess.h"

#include <QString>

class Quorvil;
struct MainState;
struct QuorvilControls;
struct Services;

// The main window's side of the settings store: reading everything at start-up (with
// the first-run question and the repair prompt), the first-run defaults, and the last
// settings written at every exit.
class SettingsStore final
{
    Q_DISABLE_COPY_MOVE(SettingsStore)

public:
    SettingsStore(Quorvil &window, const Services &services);

    void LoadSettings();
    void LoadTBSettings();
    void LoadLastSettings();
    void SetDefaultSettings(const QString &mode);
    void SaveTBSettings();
    void SaveLastSettings();
    // The six FontMap values of key Temp, deleted at every orderly exit.
    void DeleteTempColors();

    // The folder the file dialogs start in before the user chose any.
    static QString defaultDocumentsFolder();

private:
    void firstRunQuestion();
    void CreateRegKeys();
    void WriteDefaultCustomColors();
    void WriteInitRegValues();
    template<int Max>
    void loadRecentList(const QString &key, const QString &itemName, const QString &separator);
    template<int Max>
    void saveRecentList(const QString &key, const RecentFileList<Max> &list);
    void readMenuCheck(const QString &key, const QString &name, const QString &item);
    void writeMenuCheck(const QString &key, const QString &name, const QString &item);

    Quorvil &m_window;
    QuorvilControls &m_c;
    MainState &m_s;
    const Services &m_services;
    SettingsAccess m_settings;
    bool m_essentialEmpty = false;
};
