#pragma once

#include "fontmap/rules/FontRecordsTable.h"

#include <QObject>

class QListWidget;
class TextBoardFont;
struct FontMapControls;
struct FontMapState;
struct Services;

// The installed fonts in the main window: the enumeration into the hidden FontList and the
// program-wide font table, the font name box FontNameCombo (face names with a "TT" or "SF"
// picture, items numbered from 1), the choice of a font, and the font size slider with its
// number and inline edit.
class FontChoice final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontChoice)

public:
    // Item data roles: a FontList entry's font number (its column of gFontLF and gFontTM), and a
    // FontNameCombo item's picture key ("TT" or "SF").
    static constexpr int kFontNumberRole = Qt::UserRole;
    static constexpr int kImageKeyRole = Qt::UserRole + 1;
    // gFontCount is a 16-bit count: the enumeration stops at this many fonts.
    static constexpr int kMaxFonts = 32767;

    // `font` is the TextBoard's: its name is the face the box shows, its size the slider's.
    FontChoice(FontMapControls &controls, FontMapState &state, const Services &services, TextBoardFont &font,
               QObject *parent = nullptr);

    // Fills the list with one entry per family (face name and type digit, data the font number)
    // and the font table; gFontCount counts them.
    void LoadFonts(QListWidget *list);
    int EnumFontFamProc(const EnumLogFont &logFont, const NewTextMetric &textMetric, int fontType,
                        QListWidget *list);
    // Lists the fonts in FontNameCombo and selects TBFontName; when it is not installed, asks
    // whether to go on with the first font. False when the answer was No: start-up ends.
    bool InitFonts();

    // The item index (from 1) of the first item named exactly TBFontName; 0 when none is.
    int GetLastFontIndex() const;
    // True when an item has exactly that name; FontIndex then becomes its index (the item is
    // not selected).
    bool FontInCombo(const QString &name);

    void FontNameCombo_Click();
    // Selects the item with exactly that name and makes it TBFontName; an unknown name
    // re-selects the current font.
    void SelectFontInCombo(const QString &name);
    // TBFontName, without selecting anything.
    void setChosenName(const QString &name);
    // Selects the item FontIndex (set by FontInCombo).
    void showFontIndex();
    // Selects TBFontName's item (GetLastFontIndex).
    void selectLastFont();
    // The initial-letter jump: a letter selects the first face beginning with it (in either
    // case) and applies the box's text; any other character re-selects the current font.
    void FontNameCombo_KeyPress(int keyAscii);

    void FontSizeSlider_Scroll();
    void FontSizeSlider_Change();
    void FontSizeNumber_Click();
    // Enter (13) applies the edit within 8..36, Esc (27) drops it; other keys type.
    void FontSizeEdit_KeyPress(int keyAscii);
    void FontSizeEdit_LostFocus();

Q_SIGNALS:
    // The face in the box is to be applied to the TextBoard and the FontMap.
    void fontApplyRequested();
    // The size controls are done with: the typing goes back to the TextBoard.
    void textBoardFocusRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSize(int size);
    void showChosenFace();

    FontMapControls &m_c;
    FontMapState &m_s;
    const Services &m_services;
    TextBoardFont &m_font;
};
