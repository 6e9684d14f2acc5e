#pragma once

#include "fontmap/FontMapControls.h"
#include "textboard/TextBoardControls.h"

#include <array>

class ActionCollection;
class MainMenu;
class QLabel;
class QMainWindow;
class QStatusBar;
class QWidget;

// Every named control of the main window, created once by buildQuorvilControls and owned by
// the window's widget tree: the FontMap's and the TextBoard's regions, and the window's own
// frame (menus, the top CoolBar, the split bar, the credit line and the status bar).
struct QuorvilControls : FontMapControls, TextBoardControls
{
    MainMenu *menu = nullptr;

    CoolBar *CoolBarCM = nullptr;
    ToolBar *QrvlDefTB = nullptr;

    QWidget *SplitBar = nullptr;

    // Under the FontMap.
    QWidget *LLVContainer = nullptr;
    std::array<QLabel *, 2> SampleText{};
    QStatusBar *StatBar = nullptr;
    std::array<QLabel *, 3> StatPanels{}; // NUM, CAPS, SCRL
};

// Creates the whole control tree of the main window at its designed places; the menu items
// and the toolbar buttons that run a command are that command's action in `commands`.
QuorvilControls buildQuorvilControls(QMainWindow *window, ActionCollection &commands);
