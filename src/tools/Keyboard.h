#pragma once

#include "fontmap/rules/FontListEntry.h"
#include "platform/Services.h"
#include "tools/KeyboardPicture.h"

#include <QDialog>

#include <optional>

class FontMapColors;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class SizeNumberEdit;
class ExtendedCharPanel;

// The keyboard viewer "Keyboard Layout Viewer": which character each key of a US keyboard types
// in a font, unshifted or with Shift held, and the characters of codes 127 to 255 that no key
// types. The user can try other fonts and sizes, and make the shown font the TextBoard's font.
// It keeps nothing between openings.
class Keyboard final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Keyboard)

public:
    // The window loads at once: `fontList` fills the font box (the main window's font list).
    Keyboard(const Services &services, const FontListEntries &fontList, const FontMapColors &schemeColors,
             QWidget *parent = nullptr);

    // Shows the TextBoard's font (item `fontIndex` of the font box, from 1) at its size,
    // unshifted, with Set Font disabled.
    void SetupKeyboard(int fontIndex, const QString &fontName, double fontSize);

    // The font the user made the TextBoard's font with Set Font; nothing after Ok or the close box.
    const std::optional<QString> &chosenFontName() const { return m_chosen; }

    // The font on the labels (empty until the user chose one), its item from 1, and the one
    // handed in.
    const QString &KBFontName() const { return m_kbFontName; }
    int KBFontIndex() const { return m_kbFontIndex; }
    const QString &OrigFontName() const { return m_origFontName; }

    KeyboardPicture *keyboardPicture() const { return m_picKeyboard; }
    ExtendedCharPanel *specialChars() const { return m_picSplChar; }

    void ShowUnshiftedKeys();
    void ShowShiftedKeys();
    void FillSplChars();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void setTabOrder();
    void applyToolTips();
    void setLabelFont(const QString &name, double size);
    void showKeys(bool shifted);

    void cmbFontName_Click();
    void cmbFontName_KeyPress(int keyAscii);
    void sldFontSize_Change();
    void chkSplChar_Click();
    void picKeyboard_Click(KeyboardPicture::Part part);
    void cmdSetFont_Click();
    void cmdOK_Click();
    void showInteractionError();

    Services m_services;
    const FontMapColors &m_schemeColors;

    KeyboardPicture *m_picKeyboard = nullptr;
    ExtendedCharPanel *m_picSplChar = nullptr;
    QCheckBox *m_chkSplChar = nullptr;
    QComboBox *m_cmbFontName = nullptr;
    QSlider *m_sldFontSize = nullptr;
    QLabel *m_lblFontSizeNumber = nullptr;
    QLineEdit *m_tbxFontSizeEdit = nullptr;
    QPushButton *m_cmdSetFont = nullptr;
    QPushButton *m_cmdOK = nullptr;
    SizeNumberEdit *m_sizeEdit = nullptr;

    QString m_origFontName;
    QString m_kbFontName;
    int m_kbFontIndex = 0;
    // The font the labels are drawn in; its charset decides which character each code is.
    QString m_labelFontName;
    bool m_shifted = false;
    std::optional<QString> m_chosen;
};
