#pragma once

#include <QObject>

class ActionCollection;
class FontMapColors;
class TextBoardDocument;
class TextBoardEdit;
class TextBoardEditing;
class TextBoardFiles;
class TextBoardFont;
class Toggles;
struct CommonDialogProperties;
struct Services;

// The Tools menu's commands on the TextBoard's whole text (and their TBOperationsTB
// buttons): copy or cut it to the clipboard as plain text and RTF at once, unload it, and
// print it with its format.
class WholeTextTools final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WholeTextTools)

public:
    // The TextBoard's other parts these commands use.
    struct Parts
    {
        TextBoardFiles &files;
        TextBoardEditing &editing;
        TextBoardFont &font;
        Toggles &toggles;
        // The main window's FontMap colours, which its messages take under the colour scheme.
        const FontMapColors &schemeColors;
    };

    // Runs ToolsCopy, ToolsCut, ToolsClear and ToolsPrint.
    WholeTextTools(TextBoardDocument &document, TextBoardEdit &view, ActionCollection &commands,
                   const Services &services, CommonDialogProperties &cmnDlg, const Parts &parts,
                   QObject *parent = nullptr);

    // The whole text on the clipboard: plain text, and RTF in the TextBoard's format.
    void CopyTBToClipboard();

    void ToolsCopy_Click();
    // Copies, then empties the board; the loaded file and the caption stay.
    void ToolsCut_Click();
    // Unloads the text after the warnings; restores the TextBoard defaults when
    // OptUnloadTD is checked.
    void ToolsClear_Click();
    void ToolsPrint_Click();

    // The printer dialog, then the whole text in its format on the chosen printer (a PDF
    // file when no printer is installed). Cancel prints nothing.
    void PrintTextBoard();

Q_SIGNALS:
    // The unload gives the main window its caption without a file name.
    void captionChanged(const QString &caption);

private:
    void confirmClipboard(const char *title, const char *done);
    bool confirmUnload();

    TextBoardDocument &m_document;
    TextBoardEdit &m_view;
    const Services &m_services;
    CommonDialogProperties &m_cmnDlg;
    TextBoardFiles &m_files;
    TextBoardEditing &m_editing;
    TextBoardFont &m_font;
    Toggles &m_toggles;
    const FontMapColors &m_schemeColors;
};
