#pragma once

#include "core/ColorValue.h"
#include "core/SettingsAccess.h"
#include "fontmap/rules/CustomColors.h"
#include "fontmap/rules/FontMapColors.h"
#include "platform/CommonDialog.h"

#include <QDialog>

#include <array>
#include <optional>

class ColorGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class Registry;

// The FontMap colour palette `FMColorPalette`: three tabs of colour cells (48 preset, the 25
// system colours, 40 custom colours with labels the user edits), from which the caller's font
// or background colour is picked.
//
// Exchange: the caller sets globals().gColorIndex, gPaletteRef and gColorValue and the window
// title, then exec()s the dialog; only OK writes all four exchange variables (gColorName too).
// Cancel restores the custom cells as they were when the dialog was shown; the close box keeps
// them and saves them. The custom cells live here from start-up to shutdown: they are read when
// the dialog is created and saved by the close box and by unload(), never by OK or Cancel.
class FMColorPalette final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FMColorPalette)

public:
    // While the colour scheme is on, the containers take the back colour of `schemeColors`, the
    // main window's FontMap colours, and its messages both colours.
    FMColorPalette(Registry &store, CommonDialog &dialog, const FontMapColors &schemeColors, QWidget *parent = nullptr);

    // The shutdown's unload: ends a label edit and saves the custom colours and labels; the
    // owner then destroys the dialog.
    void unload();

    CustomColorSet customColors() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    ColorGrid *grid(int paletteRef) const { return m_grids[paletteRef]; }

    void Form_Load();
    void Form_Activate();
    void SetupToolTips();
    void SSTabColor_Click();
    void Button1_Click();
    void Button2_Click();
    void ColorButton_Click();
    void TextButton_Click(bool pressed);
    void ResetButton_Click();
    void SaveCustomColors();
    void SetDefaultCustomColors();
    bool CustomColorsChanged() const;

    void setCustomColors(const CustomColorSet &colors);
    // Ends an open label edit, storing its text when `commit` (Enter) or dropping it (Esc).
    void endLabelEdit(bool commit);
    void showWhole(QLabel *label, const QString &text) const;

    SettingsAccess m_settings;
    CommonDialog &m_dialog;
    CommonDialogProperties m_cmnDlg;
    const FontMapColors &m_schemeColors;

    QTabBar *m_tab = nullptr;                 // SSTabColor
    std::array<QFrame *, 3> m_pages{};
    std::array<ColorGrid *, 3> m_grids{};     // PColorContainer, SColorContainer, CColorContainer
    QLabel *m_scLabel = nullptr;
    QPushButton *m_colorButton = nullptr;
    QPushButton *m_textButton = nullptr;      // pressed while a label is edited
    QLabel *m_ccLabel = nullptr;
    QLineEdit *m_ccText = nullptr;
    QPushButton *m_resetButton = nullptr;
    QLabel *m_currentColorBlock = nullptr;
    QLabel *m_currentColorLabel = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;

    bool m_commitLabel = false;
    int m_editCell = 1;                       // the custom cell whose label is being edited
    bool m_ccColorsChanged = false;
    bool m_ccLabelsChanged = false;
    CustomColorSet m_saved;                   // the custom cells as they were when shown
};

// The caller's side of the exchange: shows the palette modal with `current` handed in and
// `caption` as its title, and gives the colour chosen, or nothing. A choice is another cell or
// another palette than the one handed in; with `valueCounts` also another colour in the same
// cell (a custom colour changed in this showing).
std::optional<FontMapColors::Choice> pickPaletteColor(FMColorPalette &palette, const FontMapColors::Choice &current,
                                                      const QString &caption, bool valueCounts);
