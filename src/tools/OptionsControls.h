#pragma once

#include <array>

class FontMapSampleRow;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QTabWidget;
class QWidget;

// The controls of the Options dialog `Options`, by the names the program gives them (also
// their object names). The dialog's parts work on these.
struct OptionsControls
{
    // Always visible: the font and size areas above the tabs.
    QLabel *OCurrentFont = nullptr;
    QPushButton *ChgFont = nullptr;
    QSlider *OFontSizeSlider = nullptr;
    QLabel *OFontSizeNumber = nullptr;
    QLineEdit *OFontSizeEdit = nullptr;   // hidden until the number is clicked

    QTabWidget *SSTabOption = nullptr;

    // Tab 0, TextBoard.
    QCheckBox *OFFontBold = nullptr;
    QCheckBox *OFFontItalic = nullptr;
    QCheckBox *OFFontUnderline = nullptr;
    QCheckBox *OFFontStrikethrough = nullptr;
    std::array<QRadioButton *, 3> OAlign{}; // by alignment: 0 left, 1 right, 2 centre
    QLabel *OTBFColor = nullptr;
    QLabel *OTBFColorName = nullptr;
    QPushButton *ChgTBFColor = nullptr;
    QLabel *OTBSample = nullptr;
    QCheckBox *OOptMaxTB = nullptr;

    // Tab 1, FontMap.
    QLabel *OFMapFColor = nullptr;
    QLabel *OFMFPalName = nullptr;
    QLabel *OFMFColorName = nullptr;
    QPushButton *ChgFMFColor = nullptr;
    QLabel *OFMapBColor = nullptr;
    QLabel *OFMBPalName = nullptr;
    QLabel *OFMBColorName = nullptr;
    QPushButton *ChgFMBColor = nullptr;
    QCheckBox *OFMapHilite = nullptr;
    QCheckBox *OFMapBorders = nullptr;
    QCheckBox *ochkInitMap = nullptr;
    QLabel *olblInitMap = nullptr;
    QPushButton *ocmdInitMap = nullptr;

    // Tab 2, Views.
    QCheckBox *OViewZoom = nullptr;
    QCheckBox *OViewCode = nullptr;
    QCheckBox *OViewKS = nullptr;
    QSlider *OZoomSizeSlider = nullptr;
    QLabel *OZoomSizeNumber = nullptr;
    QLineEdit *OZoomSizeEdit = nullptr;   // hidden until the number is clicked
    QLabel *OTextZoom = nullptr;
    QRadioButton *OVCOnL = nullptr;
    QRadioButton *OVCOnR = nullptr;

    // Tab 3, Dialogs.
    QCheckBox *ODisplayCD = nullptr;
    QCheckBox *ODisplayOW = nullptr;
    QCheckBox *ODisplayEW = nullptr;
    QCheckBox *ODisplayCS = nullptr;

    // Tab 4, Tools.
    QLineEdit *oSampleText = nullptr;
    std::array<QRadioButton *, 2> ooptShiftDir{}; // 0 horizontally, 1 vertically

    // Tab 5, General; the classic indexes 1 and 2 are [0] and [1].
    std::array<QRadioButton *, 2> OOptLoadTD{};
    std::array<QRadioButton *, 2> OOptUnloadTD{};
    QCheckBox *ODisplayTT = nullptr;

    // Always visible: the FontMap sample row under the tabs.
    FontMapSampleRow *OCharButton = nullptr;
    QScrollBar *OCharButtonScroll = nullptr;
    QLabel *OCharButtonStart = nullptr;
    QLabel *OCharButtonEnd = nullptr;

    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};

// Builds the dialog's controls in `form`, each with its caption and its tag text (the tooltip
// shown while tooltips are on).
OptionsControls buildOptionsControls(QDialog *form);
