#pragma once

#include "fontmap/rules/Charset.h"

#include <QObject>

class ActionCollection;
class Clipboard;
class FindCommands;
class FontMapColors;
class QKeyEvent;
class TextBoardEdit;
class TextBoardFont;
class TextBoardState;
class ToolBar;
struct TextBoardCounterControls;

// Editing on the TextBoard: the counters and the fill meter that follow every change,
// the enabled states of the commands that need text or a selection, and the Edit
// menu's Cut, Copy, Paste, Delete and Select All, the paste held to the board's limit.
class TextBoardEditing final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardEditing)

public:
    // Runs EditCut, EditCopy, EditPaste, EditDelete and EditSelectAll; `editBar` is TextEditTB.
    TextBoardEditing(TextBoardEdit &view, const TextBoardCounterControls &counters, ToolBar &editBar,
                     TextBoardState &state, ActionCollection &commands, Clipboard &clipboard, FindCommands &find,
                     TextBoardFont &font, const FontMapColors &schemeColors, QObject *parent = nullptr);

    // Every change of the text: counters, fill meter and the commands that need text (an
    // emptied board also closes an open find frame).
    void TextBoard_Change();
    void TextBoard_KeyUp();
    void TextBoard_MouseUp();

    // The fill meter for the count of characters on the board.
    void UpdateProgress();
    // Select All, Delete, Cut, Copy (selection) and Paste (clipboard holds text).
    void UpdateEditCommands();

    void EditCut_Click();
    void EditCopy_Click();
    void EditPaste_Click();
    void EditDelete_Click();
    void EditSelectAll_Click();

    // A character clicked on the FontMap goes in place of the selection of the find box
    // (when that had the focus last) or of the TextBoard.
    void typeCharacter(const QString &character);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FontCharset boardCharset() const;
    void setTextCommandsEnabled(bool enabled);
    void copySelection();
    void pasteText(const QString &text);
    bool isEditShortcut(const QKeyEvent *event) const;

    TextBoardEdit &m_view;
    const TextBoardCounterControls &m_counters;
    ToolBar &m_editBar;
    TextBoardState &m_s;
    ActionCollection &m_commands;
    Clipboard &m_clipboard;
    FindCommands &m_find;
    TextBoardFont &m_font;
    const FontMapColors &m_schemeColors;
};
