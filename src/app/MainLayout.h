#pragma once

#include "app/rules/LayoutRules.h"

#include <QObject>
#include <QString>

class ActionCollection;
class DisplayService;
class WindowFrame;
struct MainState;
struct QuorvilControls;

// The main window's layout by its fixed rules, not by anchoring: the widths that follow a
// rebuilt FontMap, the side of the views container, the CoolBars' band rows, the split bar
// between the TextBoard and the FontMap, the standard layout for a size step, and the size
// controls that follow the split bar. Everything is placed in twips from the values recorded
// at start-up; the window's own size changes go through its frame, whose resize handler runs
// after each of them.
class MainLayout final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainLayout)

public:
    MainLayout(WindowFrame &window, QuorvilControls &controls, MainState &state, ActionCollection &commands,
               const DisplayService &display, QObject *parent = nullptr);

    // The resize handler's steps while the screen width is unchanged: the widths (only while
    // the FontMap is being rebuilt), the split bar (only during start-up), and always the box
    // and the status bar under the FontMap.
    void followWindowSize();

    // Puts the views container on the left ("L") or the right ("R") of the TextBoard; any
    // other text moves only a visible find bar.
    void SetVCSide(const QString &side);

    // The designed vertical layout and the window for size step `index` + 1.
    void ResetLayout(int index);

    // The size commands by the split bar's place and the size step (UpdateMapCtrls mode 2):
    // a lowered split bar disables sizing and enables Realign.
    void UpdateSizeCtrls();

    // The split bar: a drag with the left button (`y` in twips below the bar's top), its
    // release, and a double-click.
    void SplitBar_MouseMove(Qt::MouseButtons buttons, double y);
    void SplitBar_MouseUp(Qt::MouseButton button);
    void SplitBar_DblClick();

    void CoolBarCM_HeightChanged();
    void CoolBarTB_HeightChanged();
    void clbFontMap_HeightChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeUnderMap();
    void placeFindBar();
    LayoutRules::SplitBarLimits splitBarLimits() const;
    // The split's follow steps: the bar to its new top, and the TextBoard, the find bar, the
    // FontMap, the box under it, the status bar and the window's height by `delta`.
    void moveSplit(double newTop, double delta);
    bool findBarOpen() const;
    void focusTextBoard();

    WindowFrame &m_window;
    QuorvilControls &m_c;
    MainState &m_s;
    ActionCollection &m_commands;
    const DisplayService &m_display;
};
