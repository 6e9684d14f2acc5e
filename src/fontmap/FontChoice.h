#pragma once

#include "fontmap/FontEnumeration.h"
#include "fontmap/rules/FontListEntry.h"
#include "widgets/FontNameBox.h"

#include <QObject>

class FontMapColors;
class QListWidget;
class SizeNumberEdit;
class TextBoardFont;
struct FontMapControls;
class FontMapState;
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
    static constexpr int kImageKeyRole = FontNameBox::kImageKeyRole;
    static constexpr int kMaxFonts = ::kMaxFonts;

    // `font` is the TextBoard's: its name is the face the box shows, its size the slider's.
    FontChoice(FontMapControls &controls, FontMapState &state, const Services &services, TextBoardFont &font,
               const FontMapColors &schemeColors, QObject *parent = nullptr);

    // Fills the list with one entry per family (face name and type digit, data the font number)
    // and the font table; gFontCount counts them.
    void LoadFonts(QListWidget *list);
    // The font list's entries, as the windows that list the fonts too are handed them.
    const FontListEntries &fontListEntries() const { return m_entries; }
    // FontIndex and TBFontName: the current font's item (from 1) and the face last chosen.
    int fontIndex() const;
    const QString &chosenName() const;
    // The face FontNameCombo shows.
    QString boxText() const;
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

Q_SIGNALS:
    // The face in the box is to be applied to the TextBoard and the FontMap.
    void fontApplyRequested();
    // The size controls are done with: the typing goes back to the TextBoard.
    void textBoardFocusRequested();

private:
    void showSize(int size);
    void showChosenFace();

    FontMapControls &m_c;
    FontMapState &m_s;
    const Services &m_services;
    TextBoardFont &m_font;
    const FontMapColors &m_schemeColors;
    FontListEntries m_entries;
    // The size number's inline edit.
    SizeNumberEdit *m_sizeEdit = nullptr;
};
