#pragma once

#include "app/Commands.h"
#include "fontmap/rules/Charset.h"

#include <QObject>

class Clipboard;
class FindCommands;
class QKeyEvent;
struct MainState;
struct QuorvilControls;

// Editing on the TextBoard: the counters and the fill meter that follow every change,
// the enabled states of the commands that need text or a selection, and the Edit
// menu's Cut, Copy, Paste, Delete and Select All, the paste held to the board's limit.
class TextBoardEditing final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardEditing)

public:
    TextBoardEditing(QuorvilControls &controls, MainState &state, Clipboard &clipboard, FindCommands &find,
                     QObject *parent = nullptr);

    // Adds EditCut, EditCopy, EditPaste, EditDelete and EditSelectAll.
    void registerCommands(CommandMap &commands);

    // Every change of the text: counters, fill meter, the changed flag and the commands
    // that need text (an emptied board also closes an open find frame).
    void TextBoard_Change();
    void TextBoard_KeyUp();
    void TextBoard_MouseUp();

    // The fill meter for the count the counter shows.
    void UpdateProgress();
    // Select All, Delete, Cut, Copy (selection) and Paste (clipboard holds text).
    void UpdateEditCommands();

    void EditCut_Click();
    void EditCopy_Click();
    void EditPaste_Click();
    void EditDelete_Click();
    void EditSelectAll_Click();

    void TextEditTB_ButtonClick(const QString &key);
    // The Edit menu takes the enabled and pressed states of the TextEditTB buttons.
    void ItemEdit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int shownCount() const;          // the count read back from NoOfChars
    FontCharset boardCharset() const;
    void setTextCommandsEnabled(bool enabled);
    void copySelection();
    void pasteText(const QString &text);
    bool isEditShortcut(const QKeyEvent *event) const;

    QuorvilControls &m_c;
    MainState &m_s;
    Clipboard &m_clipboard;
    FindCommands &m_find;
};
