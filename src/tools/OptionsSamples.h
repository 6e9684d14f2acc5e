#pragma once

#include "core/ColorValue.h"
#include "fontmap/rules/Charset.h"

#include <QObject>
#include <QString>

#include <array>

class CodePage;
class FontCatalog;
struct OptionsControls;

// What the Options dialog shows of the FontMap to come: the sample row of 13 cells under the
// tabs, with its scroll bar, its first and last codes and the marker on the zoomed letter, and
// the Views tab's zoom sample. The cells are the FontMap's at size 1 and take the TextBoard font's
// name, without a style, at the font size of that map; the zoom sample takes its name and styles at
// the zoom size; both show the FontMap's colours. With the highlight on, the cell under the mouse shows them exchanged.
class OptionsSamples final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsSamples)

public:
    enum Style { Bold = 0, Italic = 1, Underline = 2, Strikeout = 3 };

    OptionsSamples(OptionsControls &controls, const FontCatalog &fonts, const CodePage &codePage,
                   QObject *parent = nullptr);

    // Loading: the letter zoomed and the row's first code; the row is filled even when the scroll
    // bar already stood there.
    void load(int zoomedLetter, int firstCode);
    int zoomedLetter() const { return m_zoomedLetter; }
    int firstCode() const;

    void setFontName(const QString &name);
    void setZoomSize(int points);
    void setZoomStyle(Style style, bool on);
    // The FontMap colours: the cells', the zoom sample's.
    ColorValue foreColor() const { return m_fore; }
    ColorValue backColor() const { return m_back; }
    void setForeColor(ColorValue color);
    void setBackColor(ColorValue color);

    void OCharButtonScroll_Change();
    void OCharButton_Click(int index);
    void OCharButton_MouseMove(int index);
    void OFMapHilite_Click();
    void OFMapBorders_Click();

private:
    void showCellFont();
    void showZoomFont();
    QChar characterOf(int code) const;

    OptionsControls &m_c;
    const FontCatalog &m_fonts;
    const CodePage &m_codePage;
    QString m_fontName;
    FontCharset m_charset = FontCharset::Ansi;
    int m_zoomSize = 8;
    std::array<bool, 4> m_zoomStyles{};
    ColorValue m_fore = kWindowText;
    ColorValue m_back = kWindowBackground;
    int m_zoomedLetter = 64;
    int m_sampleHoverIndex = 0;
};
