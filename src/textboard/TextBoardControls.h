#pragma once

#include <array>

class CoolBar;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TextBoardEdit;
class ToolBar;

// The main window's TextBoard region: the text file buttons, the TextBoard's CoolBar with its
// counters, the TextBoard and the find bar. The TextBoard's parts work on these and on
// nothing else of the window.
struct TextBoardControls
{
    ToolBar *LoadSaveTB = nullptr;

    CoolBar *CoolBarTB = nullptr;
    ToolBar *TBOperationsTB = nullptr;
    ToolBar *TextEditTB = nullptr;
    ToolBar *FontFormatTB = nullptr;
    ToolBar *TextAlignTB = nullptr;
    QWidget *TBCountersContainer = nullptr;
    QLabel *NoOfChars = nullptr;
    QLabel *PercFilled = nullptr;
    QLabel *ProgressBack = nullptr;
    QLabel *ProgressFore = nullptr;

    TextBoardEdit *TextBoard = nullptr;

    // The find bar.
    QFrame *FindFrame = nullptr;
    QLabel *FindStrLabel = nullptr;
    QLineEdit *FindString = nullptr;
    std::array<QCheckBox *, 2> FindOpt{};
    QPushButton *FindNextButton = nullptr;
    QPushButton *ClearFindButton = nullptr;
    QPushButton *CloseFindButton = nullptr;
};
