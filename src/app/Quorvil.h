#pragma once

#include "app/Commands.h"
#include "app/QuorvilControls.h"
#include "app/rules/MainState.h"
#include "platform/CommonDialog.h"
#include "platform/Services.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class FontChoice;
class FontMapCommands;
class HelpCommands;
class SettingsStore;
class TextBoardFormat;
class FindCommands;
class TextBoardEditing;
class RichTextBox;
class RecentFilesMenu;
class TextBoardFiles;
class WholeTextTools;

// The main window: owns the controls of its regions, the state they share and the
// parts that give them behaviour, and runs the program's start-up and shutdown.
class Quorvil final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Quorvil)

public:
    Quorvil(const Services &services, const QStringList &arguments, QWidget *parent = nullptr);
    ~Quorvil() override;

    // Runs Form_Initialize and Form_Load and shows the window; false when the program
    // ended during start-up.
    bool start();
    bool ended() const { return m_ended; }

    QuorvilControls &controls() { return m_c; }
    MainState &state() { return m_s; }
    FontChoice &fontChoice() { return *m_fontChoice; }
    TextBoardFormat &textBoardFormat() { return *m_tbFormat; }

    // The window's outer size in twips, as a classic window counted it (frame included).
    double formLeft() const;
    double formTop() const;
    double formWidth() const;
    double formHeight() const;
    void setFormWidth(double twips);
    void setFormHeight(double twips);

    // Runs a menu command by its item name, as a click on the item does.
    void runCommand(const QString &name);

Q_SIGNALS:
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    bool Form_QueryUnload();
    void Form_Unload();
    void SysInfo_DisplayChanged();
    void EndProgram();
    void InitLayoutMetrics();
    bool screenTooNarrow();
    void showResolutionMessage();

    // Start-up steps that belong to other parts of the window.
    void SetupToolbars();
    void InitFonts();
    void ApplyTBFont();
    void UpdateFMapSize();
    void ApplyTBSettings();
    void ApplyViewSettings();
    void SetupMenusAndHelp();
    void LoadCFMap(const QString &path);
    void LoadTBFile(const QString &path);
    void UpdateMapCtrls(int mode);
    QString GetCommandLine();

    void wireCommands();

    Services m_services;
    QStringList m_arguments;
    QuorvilControls m_c;
    MainState m_s;
    CommonDialogProperties m_cmnDlg;
    std::unique_ptr<FontMapCommands> m_fontMap;
    std::unique_ptr<TextBoardFormat> m_tbFormat;
    std::unique_ptr<FontChoice> m_fontChoice;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<FindCommands> m_find;
    std::unique_ptr<TextBoardEditing> m_editing;
    std::unique_ptr<RichTextBox> m_textBoardRTF;  // the TextBoard's hidden rich-text twin
    std::unique_ptr<RecentFilesMenu> m_recentFiles;
    std::unique_ptr<TextBoardFiles> m_tbFiles;
    std::unique_ptr<WholeTextTools> m_wholeText;
    CommandMap m_commands;
    bool m_ended = false;
    bool m_unloaded = false;
};
