#pragma once

#include "core/ColorValue.h"
#include "fontmap/rules/Charset.h"
#include "textboard/rules/TextBoardFont.h"

#include <QFont>
#include <QObject>

class ActionCollection;
class FontChoice;
class QLineEdit;
class TextBoardEdit;
struct CommonDialogProperties;
struct Services;
struct Settings;
struct TextBoardBars;

// The TextBoard's single format (font, size, styles, colour, alignment), kept in TextBoardFont,
// and everything on the TextBoard's side that shows it: the TextBoard, the find box, the
// style, colour and alignment commands and Format > Font. The FontMap follows through the
// signals below (its cells take the plain font, its Zoom view the styled one).
class TextBoardFormat final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBoardFormat)

public:
    using Style = TextBoardFont::Style;
    static constexpr Style Bold = TextBoardFont::Bold;
    static constexpr Style Italic = TextBoardFont::Italic;
    static constexpr Style Underline = TextBoardFont::Underline;
    static constexpr Style Strikeout = TextBoardFont::Strikeout;

    // `bars` hold the style, colour and alignment buttons; the find box shows the board's
    // font. `cmnDlg` is the main window's common dialog, shared with its other commands;
    // `choice` is the font list, which Format > Font selects in.
    TextBoardFormat(TextBoardEdit &view, const TextBoardBars &bars, QLineEdit &findBox, ActionCollection &commands,
                    TextBoardFont &font, FontChoice &choice, const Services &services, CommonDialogProperties &cmnDlg,
                    QObject *parent = nullptr);

    // Re-fonts the TextBoard and the find box (and, through mapFontChanged, the cells) with the
    // font's name and size. A style the font forces (a family that exists only in bold) leaves
    // its button pressed and disabled; every other button takes the stored flag, which is
    // never changed here. When the charset changes between ANSI and Symbol, every character
    // shown keeps its 8-bit code.
    void ApplyTBFont();
    // Takes the TextBoard's part of settings read from the store: size, style flags,
    // alignment and colour (the face is the font list's).
    void takeSettings(const Settings &settings);
    // Applies the loaded TextBoard settings: styles, alignment, colour.
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

    // The TextBoard's style as it reads back: on when switched on or forced by the font.
    bool textBoardStyle(Style style) const;
    // Each style flag becomes the style as the board reads it back, its button pressed to
    // match.
    void keepBoardStyles();

    void FormatFont_Click();

Q_SIGNALS:
    // The cells' font (never styled) and its charset.
    void mapFontChanged(const QFont &plain, FontCharset charset);
    // The TextBoard's font, styles included, whenever it changes.
    void boardFontChanged(const QFont &board);

private:
    void setStyle(Style style, int value);
    void showStyle(QWidget *widget, Style style, bool on) const;
    void followCharset(FontCharset from, FontCharset to);
    void followSize(int size);
    void showColorToolTip();

    TextBoardEdit &m_view;
    const TextBoardBars &m_bars;
    QLineEdit &m_findBox;
    ActionCollection &m_commands;
    TextBoardFont &m_font;
    FontChoice &m_choice;
    const Services &m_services;
    CommonDialogProperties &m_cmnDlg;
    // The weight and slant of the current font with every style off: what "off" goes back to.
    int m_plainWeight = QFont::Normal;
    QFont::Style m_plainSlant = QFont::StyleNormal;
};
