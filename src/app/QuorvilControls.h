#pragma once

#include <array>

class CoolBar;
class FontMapGrid;
class MainMenu;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QStatusBar;
class QWidget;
class TextBoardEdit;
class ToolBar;

// Every named control of the main window, created once by buildQuorvilControls and
// owned by the window's widget tree. The window's parts reach each other's controls
// through this table rather than through each other.
struct QuorvilControls
{
    MainMenu *menu = nullptr;

    // The top CoolBar and its bands.
    CoolBar *CoolBarCM = nullptr;
    ToolBar *LoadSaveTB = nullptr;
    QWidget *TBFContainer = nullptr;
    QComboBox *FontNameCombo = nullptr;
    QListWidget *FontList = nullptr;  // hidden
    QWidget *FSZContainer = nullptr;
    QLabel *FontSizeNumber = nullptr;
    QLineEdit *FontSizeEdit = nullptr;
    QSlider *FontSizeSlider = nullptr;
    ToolBar *QrvlDefTB = nullptr;

    // The views container.
    QFrame *ViewsContainer = nullptr;
    ToolBar *ViewsTB = nullptr;
    QLabel *TextZoom = nullptr;
    QLabel *ZoomSizeLabel = nullptr;
    QLabel *ZoomSizeNumber = nullptr;
    QLineEdit *ZoomSizeEdit = nullptr;
    QSlider *ZoomSizeSlider = nullptr;
    QLabel *AscCode = nullptr;
    QLabel *HexCode = nullptr;
    QLabel *OctCode = nullptr;
    QLabel *BinCode = nullptr;
    QLabel *CVACover = nullptr;
    QLabel *KS = nullptr;
    QLabel *KVACover = nullptr;

    // The TextBoard's CoolBar and its bands.
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

    QWidget *SplitBar = nullptr;

    // The FontMap and its CoolBar.
    FontMapGrid *FMapContainer = nullptr;
    CoolBar *clbFontMap = nullptr;
    ToolBar *tlbCustFMap = nullptr;
    ToolBar *tlbCFMapFmt = nullptr;
    QWidget *pbxSetFMapSize = nullptr;
    QSlider *sldSetFMapSize = nullptr;
    QLabel *lblSetFMapSizeNumber = nullptr;
    QLineEdit *tbxSetFMapSizeNumber = nullptr;
    QWidget *pbxCFMName = nullptr;
    ToolBar *tlbCFMapName = nullptr;
    QLabel *lblCFMName = nullptr;

    // Under the FontMap.
    QWidget *LLVContainer = nullptr;
    std::array<QLabel *, 2> SampleText{};
    QStatusBar *StatBar = nullptr;
    std::array<QLabel *, 3> StatPanels{}; // NUM, CAPS, SCRL
};

class QMainWindow;

// Creates the whole control tree of the main window at its designed places.
QuorvilControls buildQuorvilControls(QMainWindow *window);
