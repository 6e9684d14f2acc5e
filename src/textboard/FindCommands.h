#pragma once

#include <QObject>

struct MainState;
struct QuorvilControls;

// The find frame below the TextBoard: opening and closing it. The search itself and the
// find box's own handlers join this class.
class FindCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindCommands)

public:
    FindCommands(QuorvilControls &controls, MainState &state, QObject *parent = nullptr);

    // Mode 1 opens the frame (the TextBoard gives up its height, the find box takes the
    // TextBoard's selection and the focus); any other mode closes it. A frame already in
    // the state asked for is left alone.
    void ShowFindFrame(int mode);

    // Releases the "Find" button, closes the frame and gives the TextBoard the focus.
    void CloseFindButton_Click();

private:
    void openFrame();
    void closeFrame();
    void setFindTabStops(bool on);
    double frameAllowance() const;  // the frame's height and the 2-pixel gap, in twips

    QuorvilControls &m_c;
    MainState &m_s;
};
