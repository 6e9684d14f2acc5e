#pragma once

#include "app/Commands.h"

#include <QObject>

class RichTextBox;
struct MainState;
struct QuorvilControls;

// Find on the TextBoard: the find frame below it (opening, closing, its layout and tab
// order), the find box and its buttons, and the forward search, which runs on the rich-text
// twin and selects the hit on the board. The search never wraps round.
class FindCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindCommands)

public:
    FindCommands(QuorvilControls &controls, MainState &state, RichTextBox &textBoardRTF, QObject *parent = nullptr);

    // Adds EditFind and EditFindAgain.
    void registerCommands(CommandMap &commands);

    // Mode 1 opens the frame (the TextBoard gives up its height, the find box takes the
    // TextBoard's selection and the focus); any other mode closes it. A frame already in
    // the state asked for is left alone.
    void ShowFindFrame(int mode);

    // One search for LastFindString, from one past the board's selection start; a selection
    // over more than one line limits it. A miss shows a message and keeps the selection.
    void FindInTextBoard();

    // Opens a closed frame and closes an open one (the "Find" button follows).
    void EditFind_Click();
    // Searches again for the last string; nothing before the first "Find Next".
    void EditFindAgain_Click();
    void FindNextButton_Click();
    void ClearFindButton_Click();
    // Releases the "Find" button, closes the frame and gives the TextBoard the focus.
    void CloseFindButton_Click();
    // "Clear" and "Find Next" are enabled while the find box holds text.
    void FindString_Change();

protected:
    // The find box: Enter presses "Find Next"; its focus sets FindHasFocus.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openFrame();
    void closeFrame();
    void setFindTabStops(bool on);
    double frameAllowance() const;  // the frame's height and the 2-pixel gap, in twips
    int findOptions() const;

    QuorvilControls &m_c;
    MainState &m_s;
    RichTextBox &m_rtf;
};
