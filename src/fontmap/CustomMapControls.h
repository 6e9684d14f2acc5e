#pragma once

#include <array>

class CharacterList;
class FontMapGrid;
class QAction;
class QButtonGroup;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

// Every named control of the custom map editor, created by buildCustomMapControls at its
// designed place and owned by the window's widget tree.
struct CustomMapControls
{
    // Menus "&Map" and "Mo&ve". Each menu item and its button share one action.
    QMenuBar *menuBar = nullptr;
    QAction *CFMapSave = nullptr;
    QAction *CFMapSaveAs = nullptr;
    QAction *MapExit = nullptr;
    QAction *MoveLtoM = nullptr;
    QAction *MoveMtoL = nullptr;

    // The template: the 224 cells lblCFMap(0..223), painted by their holder.
    FontMapGrid *imgCMMFMapHolder = nullptr;

    CharacterList *lstFontChars = nullptr;
    QLabel *lblTextZoom = nullptr;
    QLabel *KSLabel = nullptr;
    QLabel *lblKeyStroke = nullptr;
    QLabel *lblCharsInList = nullptr;
    QLabel *lblCharsInMap = nullptr;

    QPushButton *cmdListToMap = nullptr;
    QPushButton *cmdMapToList = nullptr;

    QComboBox *cmbFontName = nullptr;
    QSlider *sldFontSize = nullptr;
    QLabel *lblFontSizeNumber = nullptr;
    QLineEdit *tbxFontSizeNumber = nullptr;
    std::array<QRadioButton *, 2> optFontSize{};  // 0 List, 1 Map
    QButtonGroup *optFontSizeGroup = nullptr;

    QGroupBox *fraShiftDir = nullptr;
    std::array<QRadioButton *, 2> optShiftDir{};  // 0 Horizontal, 1 Vertical
    QButtonGroup *optShiftDirGroup = nullptr;

    QSpinBox *updListColumns = nullptr;

    QPushButton *btnSaveAsCFMap = nullptr;
    QPushButton *btnSaveCFMap = nullptr;
    QPushButton *btnCancel = nullptr;
};

// Creates the editor's controls on `window` at their designed places, with their tag texts,
// and sizes the window to its design.
CustomMapControls buildCustomMapControls(QDialog *window);
