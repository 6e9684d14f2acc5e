#pragma once

#include "app/Commands.h"

#include <QObject>
#include <QString>

class FontChoice;
class QWidget;
class RecentFilesMenu;
class RichTextBox;
class SettingsStore;
class TextBoardFormat;
struct CommonDialogProperties;
struct MainState;
struct QuorvilControls;
struct Services;

// The TextBoard's files: plain text (*.TXT) and uniform format files (*.QUF, RTF with one
// format over the whole text), loaded and saved through the rich-text twin TextBoardRTF.
// The loader runs its checks and messages in a fixed order; a load that fails after the
// board was emptied leaves the board empty and no file loaded. A save writes a temporary
// file beside the target and renames it over the target, so a failed save changes nothing.
class TextBoardFiles final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardFiles)

public:
    // `window` is the main window, whose caption names the loaded file.
    TextBoardFiles(QuorvilControls &controls, MainState &state, const Services &services,
                   CommonDialogProperties &cmnDlg, RichTextBox &textBoardRTF, TextBoardFormat &format,
                   FontChoice &fontChoice, SettingsStore &settings, RecentFilesMenu &recentFiles, QWidget &window,
                   QObject *parent = nullptr);

    // File > Load and File > Save.
    void registerCommands(CommandMap &commands);

    // The open dialog's load (File > Load and the "Load" button).
    void FileLoad_Click();
    // An empty path asks with the open dialog; otherwise TBOpenPath and TBOpenName are the
    // caller's (command line, recent-file list).
    void LoadTBFile(const QString &path);
    // Whether loading may go on when `path` is the file already on the TextBoard (asks
    // whether to reload changed text; refuses unchanged text).
    bool CheckLoadedFile(const QString &path);
    // File > Save and the "Save" button: TXT by the chosen name, rich text otherwise.
    void FileSave_Click();

    // The TextBoard's whole text (or its selection) into the twin, all of it selected and
    // in the TextBoard's format.
    void CopyTBFormatToRTF(bool whole);
    // The loaded QUF file's format onto the TextBoard, colour and size brought within the
    // TextBoard's range with a message; false when a style is not the same throughout.
    bool CopyRTFFormatToTB();

    // The TextBoard defaults from the settings store, applied (after an unload or before a
    // TXT load with OptLoadTD checked).
    void RestoreTBDefaults();

private:
    enum class FileType { Txt, Quf, Other };
    static FileType fileTypeOf(const QString &path);

    bool confirmLosingText();
    bool chooseFileToLoad();
    bool loadIntoTwin(FileType type, bool &fontFound);
    bool twinFormatIsUniform();
    bool keepWithinLimit(QString &text, bool &partial);
    void setCaption(const QString &title, bool partial = false);
    void showInvalidFile();
    void showLoadFailure();
    void showSaveFailure(const QString &path);
    void showSizeCorrection(bool tooSmall);

    QuorvilControls &m_c;
    MainState &m_s;
    const Services &m_services;
    CommonDialogProperties &m_cmnDlg;
    RichTextBox &m_rtf;
    TextBoardFormat &m_format;
    FontChoice &m_fontChoice;
    SettingsStore &m_settings;
    RecentFilesMenu &m_recentFiles;
    QWidget &m_window;
};
