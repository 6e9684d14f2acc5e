#pragma once

#include "app/QuorvilControls.h"
#include "app/WindowFrame.h"
#include "app/rules/MainState.h"
#include "app/rules/Toggles.h"
#include "core/Settings.h"
#include "fontmap/rules/CurrentCustomMap.h"
#include "fontmap/rules/FontMapColors.h"
#include "fontmap/rules/ViewSettings.h"
#include "platform/CommonDialog.h"
#include "platform/QcmFile.h"
#include "platform/Services.h"
#include "textboard/rules/TextBoardFont.h"

#include <QMainWindow>
#include <QSize>
#include <QStringList>

#include <memory>

class ActionCollection;
class CustomMapCommands;
class CustomMapLoader;
class FindCommands;
class FontChoice;
class FontMapColorCommands;
class FontMapCommands;
class FontMapSizing;
class FontMapViews;
class FullScreenPreview;
class HelpCommands;
class LockPanels;
class MainLayout;
class RecentFilesMenu;
class SettingsStore;
class TextBoardDocument;
class TextBoardEditing;
class TextBoardFiles;
class TextBoardFormat;
class TextColorCommand;
class ToolWindows;
class WholeTextTools;

// The main window, the program's composition root: it owns the controls of its regions, the
// state objects that other windows read and change, the commands, and the parts that give
// them behaviour; it wires the parts to each other and runs start-up and shutdown.
class Quorvil final : public QMainWindow, public WindowFrame
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
    // Every command of the window by name, shared by its menu item and toolbar button.
    ActionCollection &commands() { return *m_commands; }
    TextBoardFont &textBoardFont() { return m_tbFont; }
    FontMapColors &fontMapColors() { return m_fmColors; }
    ViewSettings &views() { return m_views; }
    Toggles &toggles() { return m_toggles; }
    CurrentCustomMap &customMap() { return m_customMap; }
    FontChoice &fontChoice() { return *m_fontChoice; }
    TextBoardFormat &textBoardFormat() { return *m_tbFormat; }
    TextBoardDocument &textBoardDocument() { return *m_document; }
    MainLayout &layout() { return *m_layout; }

    // The window's outer size in twips, as a classic window counted it (caption, menu bar and
    // borders included). The layout rules place the regions in the client area under the menu
    // bar, which is exactly that size less the classic caption, menu bar and borders.
    double formLeft() const;
    double formTop() const;
    double formWidth() const override;
    double formHeight() const override;
    bool maximized() const override { return isMaximized(); }
    // Sizes the window; the resize handler runs once when the size changed, whether or not the
    // window is shown. True when it ran.
    bool setFormSize(const QSizeF &twips) override;

    // Runs a command's routine by its name, as a click on its menu item or button does.
    void runCommand(const QString &name);

Q_SIGNALS:
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    bool Form_QueryUnload();
    void Form_Unload();
    void SysInfo_DisplayChanged();
    void Form_Resize();
    QSize qtSizeOf(const QSizeF &twips) const;
    void EndProgram();
    void InitLayoutMetrics();
    // Moves the window to where `wanted` (its outer rectangle, in twips) lies wholly on the
    // work area, at least as large as the standard window of the map's step; the rectangle it
    // gets. The caller sizes the window.
    QRectF placeOnScreen(const QRectF &wanted);
    bool screenTooNarrow();
    void showResolutionMessage();

    // Start-up steps that belong to other parts of the window.
    void loadSettings();
    void applySettings(const Settings &settings);
    Settings lastSettings() const;
    void SetupToolbars();
    void UpdateFMapSize();
    void ApplyTBSettings();
    void ApplyViewSettings();
    void SetupMenusAndHelp();
    void SetTabOrder(bool findFrameShown);
    void LoadCFMap(const QString &path);
    void LoadTBFile(const QString &path);
    void UpdateMapCtrls(int mode);
    QString GetCommandLine();

    void ToolsOpt_Click();

    void wireCommands();
    void wireState();
    void wireParts();

    Services m_services;
    QStringList m_arguments;
    ActionCollection *m_commands = nullptr;  // owned by the window
    QuorvilControls m_c;
    MainState m_s;
    TextBoardFont m_tbFont;
    FontMapColors m_fmColors;
    ViewSettings m_views;
    Toggles m_toggles;
    CurrentCustomMap m_customMap;
    // The settings as start-up read them; the values no part of the window holds (those of
    // the editor, the FontBrowser and the Options dialog) stay here.
    Settings m_settingsRead;
    CommonDialogProperties m_cmnDlg;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<FontMapCommands> m_fontMap;
    std::unique_ptr<FontMapColorCommands> m_fmColorCommands;
    std::unique_ptr<FontChoice> m_fontChoice;
    std::unique_ptr<TextBoardDocument> m_document;  // the TextBoard's text, twin, changed flag and files
    std::unique_ptr<FindCommands> m_find;
    std::unique_ptr<TextBoardEditing> m_editing;
    std::unique_ptr<TextBoardFormat> m_tbFormat;
    std::unique_ptr<TextColorCommand> m_textColor;
    std::unique_ptr<TextBoardFiles> m_tbFiles;
    std::unique_ptr<WholeTextTools> m_wholeText;
    std::unique_ptr<FullScreenPreview> m_fullScreen;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<LockPanels> m_lockPanels;
    std::unique_ptr<RecentFilesMenu> m_recentFiles;
    CustomMapFileSlot m_cfmSlot;  // shared with the custom map editor
    std::unique_ptr<CustomMapLoader> m_cfmLoader;
    std::unique_ptr<CustomMapCommands> m_customMaps;
    ToolWindows *m_tools = nullptr;  // owned by the window
    std::unique_ptr<MainLayout> m_layout;
    std::unique_ptr<FontMapSizing> m_sizing;
    std::unique_ptr<FontMapViews> m_mapViews;
    // The window's size when the resize handler last ran: it runs once for each new size,
    // however Qt delivers the change.
    QSize m_laidOutSize;
    bool m_ended = false;
    bool m_unloaded = false;
    // The screen narrower than the program needs was told to the user; cleared when the
    // screen is wide enough again.
    bool m_narrowScreenTold = false;
};
