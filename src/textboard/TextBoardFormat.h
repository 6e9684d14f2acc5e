#pragma once

#include "app/Commands.h"
#include "app/rules/ColorValue.h"
#include "fontmap/rules/Charset.h"

#include <QFont>
#include <QObject>

struct CommonDialogProperties;
struct MainState;
struct QuorvilControls;
struct Services;

// The TextBoard's single format (font, size, styles, colour, alignment) and everything that
// mirrors it: the FontMap cells (same font and size, never styled), the Zoom view (font name
// and styles, its own size), the find box (font name), the style, colour and alignment buttons,
// the Format menu's TextBoard items and Format > Font.
class TextBoardFormat final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardFormat)

public:
    // Indexes of MainState::TBFontStyle.
    enum Style { Bold = 0, Italic = 1, Underline = 2, Strikeout = 3 };

    // `cmnDlg` is the main window's common dialog, shared with its other commands.
    TextBoardFormat(QuorvilControls &controls, MainState &state, const Services &services,
                    CommonDialogProperties &cmnDlg, QObject *parent = nullptr);

    // Format > TextBoard: Font, the four styles and the three alignments.
    void registerCommands(CommandMap &commands);

    // Re-fonts the cells, the TextBoard, the Zoom view and the find box from FontNameCombo's
    // text and FontSizeSlider's value. A style the font forces (a family that exists only in
    // bold) leaves its button pressed and disabled; every other button takes the stored flag,
    // which is never changed here. When the charset changes between ANSI and Symbol, every
    // character shown keeps its 8-bit code.
    void ApplyTBFont();
    // Applies the loaded TextBoard settings: size label, styles, alignment, colour.
    void ApplyTBSettings();

    // value 0 or 1: stores the flag and switches the style on the TextBoard and the Zoom view
    // (the toolbar button is the caller's).
    void SetTBBold(int value);
    void SetTBItalic(int value);
    void SetTBUnderline(int value);
    void SetTBStrikethru(int value);
    // code 0 left, 1 right, 2 centre; exactly the matching alignment button ends up pressed.
    void SetTBAlignment(int code);

    // Finds the QB colour of a colour value: index and name, and the colour button's tooltip;
    // false, with nothing changed, when it is none of the 16.
    bool SetTBFontColor(ColorValue color);
    // Sets the text colour (and the colour button's picture and tooltip).
    void SetTBForeColor(ColorValue color);

    // Selects the item with exactly that name and makes it TBFontName; an unknown name
    // re-selects the current font.
    void SelectFontInCombo(const QString &name);

    // The TextBoard's style as it reads back: on when switched on or forced by the font.
    bool textBoardStyle(Style style) const;

    // Format > TextBoard commands.
    void FormatFont_Click();
    void FFontBold_Click();
    void FFontItalic_Click();
    void FFontUnderline_Click();
    void FFontStrikethrough_Click();
    void AlignLeft_Click();
    void AlignCenter_Click();
    void AlignRight_Click();

    // Brings the Format menu's style and alignment items in line with the TextBoard and the
    // toolbar buttons: run when the menu opens, and after every change made here so that the
    // items' shortcuts act on the current state.
    void UpdateFormatMenu();

private:
    void setStyle(Style style, int value);
    void showStyle(QWidget *widget, Style style, bool on) const;
    void styleCommand(Style style);
    void alignCommand(const QString &item, int code);
    void followCharset(FontCharset to);

    QuorvilControls &m_c;
    MainState &m_s;
    const Services &m_services;
    CommonDialogProperties &m_cmnDlg;
    // The weight and slant of the current font with every style off: what "off" goes back to.
    int m_plainWeight = QFont::Normal;
    QFont::Style m_plainSlant = QFont::StyleNormal;
};
