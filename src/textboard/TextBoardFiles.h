#pragma once

#include <QObject>
#include <QString>

class ActionCollection;
class FontChoice;
class FontMapColors;
class TextBoardDocument;
class TextBoardEdit;
class TextBoardFont;
class TextBoardFormat;
class TextBoardState;
class Toggles;
struct CommonDialogProperties;
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
    // The TextBoard's format, the font list and the toggles the loader follows.
    struct Parts
    {
        TextBoardFormat &format;
        TextBoardFont &font;
        FontChoice &fontChoice;
        Toggles &toggles;
        // The main window's FontMap colours, which its messages take under the colour scheme.
        const FontMapColors &schemeColors;
    };

    // Runs File > Load and File > Save.
    TextBoardFiles(TextBoardDocument &document, TextBoardEdit &view, TextBoardState &state, ActionCollection &commands,
                   const Services &services, CommonDialogProperties &cmnDlg, const Parts &parts,
                   QObject *parent = nullptr);

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

Q_SIGNALS:
    // A text file was loaded or saved: it goes to the top of the recent-file list.
    void fileUsed(const QString &path);
    // The main window's caption names the file loaded or saved.
    void captionChanged(const QString &caption);

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

    TextBoardDocument &m_document;
    TextBoardEdit &m_view;
    TextBoardState &m_s;
    const Services &m_services;
    CommonDialogProperties &m_cmnDlg;
    TextBoardFormat &m_format;
    TextBoardFont &m_font;
    FontChoice &m_fontChoice;
    Toggles &m_toggles;
    const FontMapColors &m_schemeColors;
};
