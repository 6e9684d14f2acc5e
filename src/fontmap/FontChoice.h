#pragma once

#include "fontmap/rules/FontRecordsTable.h"

#include <QObject>

class QListWidget;
class TextBoardFormat;
struct MainState;
struct QuorvilControls;
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

    FontChoice(QuorvilControls &controls, MainState &state, const Services &services, TextBoardFormat &format,
               QObject *parent = nullptr);

    // Fills the list with one entry per family (face name and type digit, data the font number)
    // and the font table; gFontCount counts them.
    void LoadFonts(QListWidget *list);
    int EnumFontFamProc(const EnumLogFont &logFont, const NewTextMetric &textMetric, int fontType,
                        QListWidget *list);
    // Lists the fonts in FontNameCombo and selects TBFontName; when it is not installed, asks
    // whether to go on with the first font (No sets AbortStartup).
    void InitFonts();

    // The item index (from 1) of the first item named exactly TBFontName; 0 when none is.
    int GetLastFontIndex() const;
    // True when an item has exactly that name; FontIndex then becomes its index (the item is
    // not selected).
    bool FontInCombo(const QString &name);

    void FontNameCombo_Click();
    // The initial-letter jump: a letter selects the first face beginning with it (in either
    // case) and applies the box's text; any other character re-selects the current font.
    void FontNameCombo_KeyPress(int keyAscii);

    void FontSizeSlider_Scroll();
    void FontSizeSlider_Change();
    void FontSizeNumber_Click();
    // Enter (13) applies the edit within 8..36, Esc (27) drops it; other keys type.
    void FontSizeEdit_KeyPress(int keyAscii);
    void FontSizeEdit_LostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QuorvilControls &m_c;
    MainState &m_s;
    const Services &m_services;
    TextBoardFormat &m_format;
};
