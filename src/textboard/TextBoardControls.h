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

// The TextBoard's CoolBar and the tool bars in its bands.
struct TextBoardBars
{
    CoolBar *CoolBarTB = nullptr;
    ToolBar *TBOperationsTB = nullptr;
    ToolBar *TextEditTB = nullptr;
    ToolBar *FontFormatTB = nullptr;
    ToolBar *TextAlignTB = nullptr;
};

// The character count, the percentage filled and the fill meter, in the CoolBar.
struct TextBoardCounterControls
{
    QWidget *TBCountersContainer = nullptr;
    QLabel *NoOfChars = nullptr;
    QLabel *PercFilled = nullptr;
    QLabel *ProgressBack = nullptr;
    QLabel *ProgressFore = nullptr;
};

// The find bar under the TextBoard.
struct FindBarControls
{
    QFrame *FindFrame = nullptr;
    QLabel *FindStrLabel = nullptr;
    QLineEdit *FindString = nullptr;
    std::array<QCheckBox *, 2> FindOpt{};
    QPushButton *FindNextButton = nullptr;
    QPushButton *ClearFindButton = nullptr;
    QPushButton *CloseFindButton = nullptr;
};

// The main window's TextBoard region: the text file buttons, the TextBoard's CoolBar with its
// counters, the TextBoard and the find bar. Each of the TextBoard's parts takes the view and
// the group of these it works on.
struct TextBoardControls : TextBoardBars, TextBoardCounterControls, FindBarControls
{
    ToolBar *LoadSaveTB = nullptr;
    TextBoardEdit *TextBoard = nullptr;
};
