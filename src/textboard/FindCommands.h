#pragma once

#include "fontmap/rules/Charset.h"

#include <QObject>

class ActionCollection;
class FontMapColors;
class TextBoardDocument;
class TextBoardEdit;
class TextBoardState;
struct FindBarControls;

// Find on the TextBoard: the find frame below it (opening, closing, its layout and tab
// order), the find box and its buttons, and the forward search, which runs on the rich-text
// twin and selects the hit on the board. The search never wraps round.
class FindCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindCommands)

public:
    // Runs EditFind (the "Find" button) and EditFindAgain.
    FindCommands(TextBoardDocument &document, TextBoardEdit &view, const FindBarControls &bar, TextBoardState &state,
                 ActionCollection &commands, const FontMapColors &schemeColors, QObject *parent = nullptr);

    // The find frame is open under the TextBoard.
    bool isFrameShown() const;

    // Mode 1 opens the frame (the TextBoard gives up its height, the find box takes the
    // TextBoard's selection and the focus); any other mode closes it. A frame already in
    // the state asked for is left alone.
    void ShowFindFrame(int mode);

    // One search for LastFindString, from one past the board's selection start; a selection
    // over more than one line limits it. A miss shows a message and keeps the selection.
    void FindInTextBoard();

    // Searches again for the last string; nothing before the first "Find Next".
    void EditFindAgain_Click();
    void FindNextButton_Click();
    void ClearFindButton_Click();
    // Releases the "Find" button, closes the frame and gives the TextBoard the focus.
    void CloseFindButton_Click();
    // "Clear" and "Find Next" are enabled while the find box holds text.
    void FindString_Change();

    // A character clicked on the FontMap goes in place of the find box's selection, within
    // the box's limit, when the box had the focus last; false when it did not.
    bool typeCharacter(const QString &character);
    // The find box's text and the last string searched keep their 8-bit codes in the new
    // charset.
    void followCharset(FontCharset from, FontCharset to);

Q_SIGNALS:
    // The frame opened or closed: the window's tab order takes its controls in or out.
    void frameShown(bool shown);

protected:
    // The find box: Enter presses "Find Next"; its focus sets FindHasFocus.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openFrame();
    void closeFrame();
    void setFindTabStops(bool on);
    double frameAllowance() const;  // the frame's height and the 2-pixel gap, in twips
    int findOptions() const;

    TextBoardDocument &m_document;
    TextBoardEdit &m_view;
    const FindBarControls &m_bar;
    TextBoardState &m_s;
    ActionCollection &m_commands;
    const FontMapColors &m_schemeColors;
};
