#pragma once

#include <array>

class CoolBar;
class FontMapGrid;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;
class QWidget;
class ToolBar;

// The main window's FontMap region: the font name and size bands, the views container, the
// grid with its CoolBar. The FontMap's parts work on these and on nothing else of the window.
struct FontMapControls
{
    // The font bands of the top CoolBar.
    QWidget *TBFContainer = nullptr;
    QComboBox *FontNameCombo = nullptr;
    QListWidget *FontList = nullptr;  // hidden
    QWidget *FSZContainer = nullptr;
    QLabel *FontSizeNumber = nullptr;
    QLineEdit *FontSizeEdit = nullptr;
    QSlider *FontSizeSlider = nullptr;

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
};
