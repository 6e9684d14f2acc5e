#pragma once

#include "app/Commands.h"

#include <QObject>

class FindCommands;
class QWidget;
class RichTextBox;
class TextBoardEditing;
class TextBoardFiles;
struct CommonDialogProperties;
struct MainState;
struct QuorvilControls;
struct Services;

// The Tools menu's commands on the TextBoard's whole text (and their TBOperationsTB
// buttons): copy or cut it to the clipboard as plain text and RTF at once, unload it, and
// print it with its format.
class WholeTextTools final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WholeTextTools)

public:
    // `window` is the main window, whose caption the unload resets.
    WholeTextTools(QuorvilControls &controls, MainState &state, const Services &services,
                   CommonDialogProperties &cmnDlg, RichTextBox &textBoardRTF, TextBoardFiles &files,
                   FindCommands &find, TextBoardEditing &editing, QWidget &window, QObject *parent = nullptr);

    // Adds ToolsCopy, ToolsCut, ToolsClear and ToolsPrint.
    void registerCommands(CommandMap &commands);

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

private:
    void confirmClipboard(const char *title, const char *done);
    bool confirmUnload();

    QuorvilControls &m_c;
    MainState &m_s;
    const Services &m_services;
    CommonDialogProperties &m_cmnDlg;
    RichTextBox &m_rtf;
    TextBoardFiles &m_files;
    FindCommands &m_find;
    TextBoardEditing &m_editing;
    QWidget &m_window;
};
